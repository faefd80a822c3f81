/* The C interface, from C: the fixed layout and values that other languages declare again by
 * number, each pill's exact texts, sizes and NULs, the Generic message that views the caller's
 * bytes, the arguments that cannot be read, and a result without a pill, which leaves the record
 * untouched. Prints each failure and exits 1 on any. */
#include "orv/pill_c.h"

#include <stddef.h>
#include <stdio.h>
#include <string.h>

/* Each pill, by its kind; Generic's message is the caller's error itself, so it is NULL here. */
static const orv_fail_pill_view kPills[] = {
    {0, NULL, 0, "", 0, "", 0, 1, 0},
    {1, "Mic access blocked", 0, "Open Windows mic settings", 0, "ms-settings:privacy-microphone",
     0, 1, 0},
    {2, "Driver not installed -- run installer or enable in SteamVR", 0, "Open SteamVR", 0,
     "steam://rungameid/250820", 0, 0, 0},
    {3, "SteamVR not running", 0, "", 0, "", 0, 0, 0},
    {4, NULL, 0, NULL, 0, NULL, 0, 0, 0}, /* no pill has the kind 4 */
    {5, "Microphone disconnected -- reconnect to resume detection", 0, "", 0, "", 0, 1, 0},
};

static const char kBusy[] = "Capture device busy";
/* What a record is filled with before each call, to see whether the call wrote it. */
enum { kUntouched = 0xA5 };

/* The inputs, with each text's size, then the result and, for a pill, its kind. */
static const struct {
    const char* name;
    uint8_t loaded, running;
    const char* mic;
    size_t mic_size;
    const char* error;
    size_t error_size;
    int result, kind;
} kCases[] = {
    {"DriverNotLoaded", 0, 1, "active", 6, NULL, 0, ORV_PILL_SELECTED, 2},
    {"SteamVRNotRunning", 0, 0, "permission_denied", 17, kBusy, 19, ORV_PILL_SELECTED, 3},
    {"MicPermission, any nonzero flag", 7, 0, "permission_denied", 17, kBusy, 19, ORV_PILL_SELECTED,
     1},
    {"DeviceRemoved", 1, 1, "missing", 7, NULL, 0, ORV_PILL_SELECTED, 5},
    {"a word is its size, not up to a NUL", 1, 1, "missing ", 7, NULL, 0, ORV_PILL_SELECTED, 5},
    {"Generic, NULL word of size 0", 1, 1, NULL, 0, kBusy, 19, ORV_PILL_SELECTED, 0},
    {"Generic, the error is its size", 1, 1, "active", 6, kBusy, 7, ORV_PILL_SELECTED, 0},
    {"healthy", 1, 0, "active", 6, NULL, 0, ORV_PILL_NONE, 0},
    {"an empty error is none", 1, 1, "active", 6, kBusy, 0, ORV_PILL_NONE, 0},
    {"a word of another size", 1, 1, "missing", 6, NULL, 0, ORV_PILL_NONE, 0},
    {"mic_state NULL with a size", 1, 1, NULL, 1, NULL, 0, ORV_PILL_INVALID_ARGUMENT, 0},
    {"error NULL with a size", 0, 1, "active", 6, NULL, 1, ORV_PILL_INVALID_ARGUMENT, 0},
};

/* Prints the failure unless the check holds; returns 1 for a failure, 0 otherwise. */
static int expect(int holds, const char* name, const char* what) {
    if (!holds) {
        (void)fprintf(stderr, "FAIL: %s: %s\n", name, what);
    }
    return !holds;
}

/* Whether every byte of the record, padding included, still holds the fill pattern. */
static int isUntouched(const orv_fail_pill_view* pill) {
    const unsigned char* bytes = (const unsigned char*)pill;
    for (size_t i = 0; i < sizeof *pill; ++i) {
        if (bytes[i] != kUntouched) {
            return 0;
        }
    }
    return 1;
}

/* A fixed text: exactly the expected bytes, its size without the NUL that follows them. */
static int isText(const char* text, size_t size, const char* expected) {
    return text != NULL && size == strlen(expected) && memcmp(text, expected, size + 1) == 0;
}

/* The contract by number: each constant's value, and on a 64-bit target each field's offset and
 * size and the record's size, as the bindings declare them. */
#define MEMBER_SIZE(name) sizeof(((orv_fail_pill_view*)0)->name)
#define FIELD(name, offset, size) \
    { #name, offsetof(orv_fail_pill_view, name), offset, MEMBER_SIZE(name), size }
static const struct {
    const char* name;
    long actual, expected;
} kValues[] = {
    {"ORV_FAIL_KIND_GENERIC", ORV_FAIL_KIND_GENERIC, 0},
    {"ORV_FAIL_KIND_MIC_PERMISSION", ORV_FAIL_KIND_MIC_PERMISSION, 1},
    {"ORV_FAIL_KIND_DRIVER_NOT_LOADED", ORV_FAIL_KIND_DRIVER_NOT_LOADED, 2},
    {"ORV_FAIL_KIND_STEAMVR_NOT_RUNNING", ORV_FAIL_KIND_STEAMVR_NOT_RUNNING, 3},
    {"ORV_FAIL_KIND_DEVICE_REMOVED", ORV_FAIL_KIND_DEVICE_REMOVED, 5},
    {"ORV_PILL_SELECTED", ORV_PILL_SELECTED, 1},
    {"ORV_PILL_NONE", ORV_PILL_NONE, 0},
    {"ORV_PILL_INVALID_ARGUMENT", ORV_PILL_INVALID_ARGUMENT, -1},
};
static const struct {
    const char* name;
    size_t offset, expectedOffset, size, expectedSize;
} kLayout[] = {
    FIELD(kind, 0, 4),
    FIELD(message, 8, 8),
    FIELD(message_size, 16, 8),
    FIELD(action_label, 24, 8),
    FIELD(action_label_size, 32, 8),
    FIELD(deep_link, 40, 8),
    FIELD(deep_link_size, 48, 8),
    FIELD(dismissable, 56, 1),
    FIELD(reserved, 57, 1),
    {"the record", 0, 0, sizeof(orv_fail_pill_view), 64},
};

int main(void) {
    const int is64Bit = sizeof(void*) == 8;
    int failures = 0;
    for (size_t i = 0; i < sizeof kValues / sizeof kValues[0]; ++i) {
        failures += expect(kValues[i].actual == kValues[i].expected, kValues[i].name, "value");
    }
    for (size_t i = 0; i < sizeof kLayout / sizeof kLayout[0] && is64Bit; ++i) {
        failures +=
            expect(kLayout[i].offset == kLayout[i].expectedOffset, kLayout[i].name, "offset");
        failures += expect(kLayout[i].size == kLayout[i].expectedSize, kLayout[i].name, "size");
    }
    for (size_t i = 0; i < sizeof kCases / sizeof kCases[0]; ++i) {
        const char* name = kCases[i].name;
        const orv_fail_pill_view* expected = &kPills[kCases[i].kind];
        orv_fail_pill_view pill;
        memset(&pill, kUntouched, sizeof pill);
        const int result =
            orv_select_fail_pill(kCases[i].loaded, kCases[i].mic, kCases[i].mic_size,
                                 kCases[i].error, kCases[i].error_size, kCases[i].running, &pill);
        failures += expect(result == kCases[i].result, name, "result");
        if (kCases[i].result != ORV_PILL_SELECTED) {
            failures += expect(isUntouched(&pill), name, "pill written");
            continue;
        }
        failures += expect(pill.kind == expected->kind, name, "kind");
        failures += expect(
            expected->message != NULL
                ? isText(pill.message, pill.message_size, expected->message)
                : pill.message == kCases[i].error && pill.message_size == kCases[i].error_size,
            name, "message");
        failures +=
            expect(isText(pill.action_label, pill.action_label_size, expected->action_label), name,
                   "action label");
        failures += expect(isText(pill.deep_link, pill.deep_link_size, expected->deep_link), name,
                           "deep link");
        failures +=
            expect(pill.dismissable == expected->dismissable && pill.reserved == 0, name, "flags");
    }
    failures +=
        expect(orv_select_fail_pill(1, "active", 6, NULL, 0, 1, NULL) == ORV_PILL_INVALID_ARGUMENT,
               "pill NULL", "result");
    failures +=
        expect(orv_pill_version() == ORV_PILL_VERSION, "orv_pill_version", "ORV_PILL_VERSION");
    return failures == 0 ? 0 : 1;
}
