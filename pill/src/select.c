/* The C interface: the selection's rules as an if-chain that writes one of the pills below, or the
 * Generic pill that views the caller's error. It is C and needs nothing but memcmp, which
 * compilers inline for these fixed sizes, so any program links it, with no C++ runtime. */
#include <string.h>

#include "orv/pill_c.h"

/* A string literal as a view's pointer and size, its NUL left out of the size. */
#define TEXT(literal) literal, sizeof(literal) - 1

static const orv_fail_pill_view kDriverNotLoaded = {ORV_FAIL_KIND_DRIVER_NOT_LOADED,
                                                    TEXT(ORV_PILL_DRIVER_NOT_LOADED_MESSAGE),
                                                    TEXT(ORV_PILL_DRIVER_NOT_LOADED_ACTION_LABEL),
                                                    TEXT(ORV_PILL_DRIVER_NOT_LOADED_DEEP_LINK),
                                                    0,
                                                    0};
static const orv_fail_pill_view kSteamVRNotRunning = {ORV_FAIL_KIND_STEAMVR_NOT_RUNNING,
                                                      TEXT(ORV_PILL_STEAMVR_NOT_RUNNING_MESSAGE),
                                                      TEXT(""),
                                                      TEXT(""),
                                                      0,
                                                      0};
static const orv_fail_pill_view kMicPermission = {ORV_FAIL_KIND_MIC_PERMISSION,
                                                  TEXT(ORV_PILL_MIC_PERMISSION_MESSAGE),
                                                  TEXT(ORV_PILL_MIC_PERMISSION_ACTION_LABEL),
                                                  TEXT(ORV_PILL_MIC_PERMISSION_DEEP_LINK),
                                                  1,
                                                  0};
static const orv_fail_pill_view kDeviceRemoved = {
    ORV_FAIL_KIND_DEVICE_REMOVED, TEXT(ORV_PILL_DEVICE_REMOVED_MESSAGE), TEXT(""), TEXT(""), 1, 0};
/* Its message is the caller's error, written after the rest. */
static const orv_fail_pill_view kGeneric = {
    ORV_FAIL_KIND_GENERIC, NULL, 0, TEXT(""), TEXT(""), 1, 0};

/* Whether the `size` bytes at `text` are `word`. The sizes are compared first, so a word of
 * another size costs one comparison, and `text` may then be NULL. */
static int isWord(const char* text, size_t size, const char* word, size_t wordSize) {
    return size == wordSize && memcmp(text, word, wordSize) == 0;
}

int orv_select_fail_pill(uint8_t driver_loaded, const char* mic_state, size_t mic_state_size,
                         const char* error, size_t error_size, uint8_t steam_vr_running,
                         orv_fail_pill_view* pill) {
    if (pill == NULL || (mic_state == NULL && mic_state_size > 0) ||
        (error == NULL && error_size > 0)) {
        return ORV_PILL_INVALID_ARGUMENT;
    }
    /* The driver rules come first: without the driver nothing the capture side says matters. */
    if (!driver_loaded) {
        *pill = steam_vr_running ? kDriverNotLoaded : kSteamVRNotRunning;
        return ORV_PILL_SELECTED;
    }
    /* The microphone's state word outranks the capture side's free-text error. */
    if (isWord(mic_state, mic_state_size, TEXT(ORV_PILL_WORD_PERMISSION_DENIED))) {
        *pill = kMicPermission;
        return ORV_PILL_SELECTED;
    }
    if (isWord(mic_state, mic_state_size, TEXT(ORV_PILL_WORD_MISSING))) {
        *pill = kDeviceRemoved;
        return ORV_PILL_SELECTED;
    }
    /* A NULL error has the size 0 here, and an empty error is none too. */
    if (error_size > 0) {
        *pill = kGeneric;
        pill->message = error;
        pill->message_size = error_size;
        return ORV_PILL_SELECTED;
    }
    return ORV_PILL_NONE;
}

int orv_pill_version(void) { return ORV_PILL_VERSION; }
