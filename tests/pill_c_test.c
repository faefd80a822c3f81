/* The C interface, from C: each pill's exact texts, sizes and NULs, the Generic message that
 * views the caller's bytes, the arguments that cannot be read, and a result without a pill, which
 * leaves the record untouched. Prints each failure and exits 1 on any. */
#include "orv/pill_c.h"

#include <stdio.h>
#include <string.h>

struct Case {
    const char* name;
    uint8_t loaded, running;
    const char* mic; /* with its size, unless it is NULL */
    size_t mic_size;
    const char* error; /* with its size, unless it is NULL */
    size_t error_size;
    int result;
    int32_t kind;
    const char *message, *action_label, *deep_link;
    uint8_t dismissable;
};

static const char kBusy[] = "Capture device busy";

static const struct Case kCases[] = {
    {"DriverNotLoaded", 0, 1, "active", 6, NULL, 0, ORV_PILL_SELECTED, 2,
     "Driver not installed -- run installer or enable in SteamVR", "Open SteamVR",
     "steam://rungameid/250820", 0},
    {"SteamVRNotRunning", 0, 0, "permission_denied", 17, kBusy, 19, ORV_PILL_SELECTED, 3,
     "SteamVR not running", "", "", 0},
    {"MicPermission, any nonzero flag is true", 7, 0, "permission_denied", 17, kBusy, 19,
     ORV_PILL_SELECTED, 1, "Mic access blocked", "Open Windows mic settings",
     "ms-settings:privacy-microphone", 1},
    {"DeviceRemoved", 1, 1, "missing", 7, NULL, 0, ORV_PILL_SELECTED, 5,
     "Microphone disconnected -- reconnect to resume detection", "", "", 1},
    {"the word is its size, not up to a NUL", 1, 1, "missing ", 7, NULL, 0, ORV_PILL_SELECTED, 5,
     "Microphone disconnected -- reconnect to resume detection", "", "", 1},
    /* Generic's message is the caller's error itself. */
    {"Generic", 1, 1, NULL, 0, kBusy, 19, ORV_PILL_SELECTED, 0, NULL, "", "", 1},
    {"Generic, the error is its size", 1, 1, "active", 6, kBusy, 7, ORV_PILL_SELECTED, 0, NULL, "",
     "", 1},
    {"healthy", 1, 0, "active", 6, NULL, 0, ORV_PILL_NONE, 0, NULL, NULL, NULL, 0},
    {"an empty error is none", 1, 1, "active", 6, kBusy, 0, ORV_PILL_NONE, 0, NULL, NULL, NULL, 0},
    {"a word of another size", 1, 1, "missing", 6, NULL, 0, ORV_PILL_NONE, 0, NULL, NULL, NULL, 0},
    {"mic_state NULL with a size", 1, 1, NULL, 1, NULL, 0, ORV_PILL_INVALID_ARGUMENT, 0, NULL, NULL,
     NULL, 0},
    {"error NULL with a size", 0, 1, "active", 6, NULL, 1, ORV_PILL_INVALID_ARGUMENT, 0, NULL, NULL,
     NULL, 0},
};

static int failures = 0;

static void expect(int holds, const char* name, const char* what) {
    if (!holds) {
        fprintf(stderr, "FAIL: %s: %s\n", name, what);
        ++failures;
    }
}

/* A fixed text: exactly the expected bytes and size, with a NUL after them. */
static void expectText(const char* text, size_t size, const char* expected, const char* name,
                       const char* what) {
    expect(text != NULL && size == strlen(expected) && memcmp(text, expected, size) == 0 &&
               text[size] == '\0',
           name, what);
}

int main(void) {
    size_t i;
    orv_fail_pill_view untouched;
    memset(&untouched, 0xA5, sizeof untouched);
    for (i = 0; i < sizeof kCases / sizeof kCases[0]; ++i) {
        const struct Case* c = &kCases[i];
        orv_fail_pill_view pill = untouched;
        const int result = orv_select_fail_pill(c->loaded, c->mic, c->mic_size, c->error,
                                                c->error_size, c->running, &pill);
        expect(result == c->result, c->name, "result");
        if (result != ORV_PILL_SELECTED) {
            expect(memcmp(&pill, &untouched, sizeof pill) == 0, c->name, "pill written");
            continue;
        }
        expect(pill.kind == c->kind, c->name, "kind");
        if (c->kind == 0) {
            expect(pill.message == c->error && pill.message_size == c->error_size, c->name,
                   "message is not the caller's error");
        } else {
            expectText(pill.message, pill.message_size, c->message, c->name, "message");
        }
        expectText(pill.action_label, pill.action_label_size, c->action_label, c->name, "label");
        expectText(pill.deep_link, pill.deep_link_size, c->deep_link, c->name, "deep link");
        expect(pill.dismissable == c->dismissable && pill.reserved == 0, c->name, "flags");
    }
    expect(orv_select_fail_pill(1, "active", 6, NULL, 0, 1, NULL) == ORV_PILL_INVALID_ARGUMENT,
           "pill NULL", "result");
    expect(orv_pill_version() == ORV_PILL_VERSION, "orv_pill_version", "not ORV_PILL_VERSION");
    return failures == 0 ? 0 : 1;
}
