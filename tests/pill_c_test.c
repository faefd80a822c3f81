/* The C interface, from C: every case of tests/cases.tsv, whose path is the first argument, with
 * each pill's exact texts, sizes and NULs and the Generic message that views the caller's bytes;
 * the fixed layout and values that other languages declare again by number; the arguments that
 * cannot be read; and a result without a pill, which leaves the record untouched. Prints each
 * failure and "N passed, N failed"; exits 1 on a failure. */
#include "orv/pill_c.h"

#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* What a record is filled with before each call, to see whether the call wrote it. */
enum { kUntouched = 0xA5 };

/* The checks so far. */
typedef struct Tally {
    int passed;
    int failed;
} Tally;

/* Counts the check, and prints it when it fails. */
static void expect(Tally* tally, int holds, const char* name, const char* what) {
    if (holds) {
        ++tally->passed;
        return;
    }
    ++tally->failed;
    (void)fprintf(stderr, "FAIL: %s: %s\n", name, what);
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

/* A text the selection wrote: exactly the expected bytes; a fixed text is followed by a NUL. */
static int isText(const char* text, size_t size, const char* expected, size_t expectedSize,
                  int fixed) {
    return text != NULL && size == expectedSize && memcmp(text, expected, size) == 0 &&
           (!fixed || text[size] == '\0');
}

/* A field of the table, decoded in place: \0 \t \n \r \\ escapes, and \*N at the end repeats
 * everything before it N times in all, into memory of its own, which `*field` then points to and
 * the caller frees. Returns the text's size. */
static size_t decode(char** field) {
    char* text = *field;
    size_t size = 0;
    for (const char* at = text; *at != '\0'; ++at) {
        if (*at != '\\' || at[1] == '\0') {
            text[size++] = *at;
            continue;
        }
        ++at;
        if (*at == '*') {
            const size_t times = (size_t)strtoul(at + 1, NULL, 10);
            char* repeated = malloc(size * times + 1);
            if (repeated == NULL) {
                return size; /* a text too short, which its check then reports */
            }
            for (size_t i = 0; i < times; ++i) {
                memcpy(repeated + i * size, text, size);
            }
            *field = repeated;
            return size * times;
        }
        text[size++] = (char)(*at == '0'   ? '\0'
                              : *at == 't' ? '\t'
                              : *at == 'n' ? '\n'
                              : *at == 'r' ? '\r'
                                           : *at);
    }
    return size;
}

/* Splits `line` into its tab-separated fields, in place. Returns how many it found, at most 10. */
static size_t splitLine(char* line, char** fields) {
    size_t n = 0;
    line[strcspn(line, "\r\n")] = '\0';
    for (char* field = line; field != NULL && n < 10; ++n) {
        fields[n] = field;
        field = strchr(field, '\t');
        if (field != NULL) {
            *field++ = '\0';
        }
    }
    return n;
}

/* Checks that `pill` is the one the line `f` of the table expects. */
static void checkPill(Tally* tally, char** f, const orv_fail_pill_view* pill, const char* error,
                      size_t errorSize) {
    const char* name = f[0];
    const long kind = strtol(f[5], NULL, 10);
    const size_t messageSize = decode(&f[6]);
    const size_t labelSize = decode(&f[7]);
    const size_t linkSize = decode(&f[8]);
    expect(tally, pill->kind == kind, name, "kind");
    expect(tally,
           kind == ORV_FAIL_KIND_GENERIC
               ? pill->message == error && pill->message_size == errorSize
               : isText(pill->message, pill->message_size, f[6], messageSize, 1),
           name, "message");
    expect(tally, isText(pill->action_label, pill->action_label_size, f[7], labelSize, 1), name,
           "action label");
    expect(tally, isText(pill->deep_link, pill->deep_link_size, f[8], linkSize, 1), name,
           "deep link");
    expect(tally, pill->dismissable == (strcmp(f[9], "true") == 0) && pill->reserved == 0, name,
           "flags");
}

/* Runs the line `f` of the table, of ten fields. */
static void runCase(Tally* tally, char** f) {
    char* fields[10]; /* the fields as read, to free those that decode() replaced */
    memcpy(fields, f, sizeof fields);
    const size_t micSize = decode(&f[2]);
    const int hasError = strcmp(f[3], "-") != 0;
    const size_t errorSize = hasError ? decode(&f[3]) : 0;
    const char* error = hasError ? f[3] : NULL;
    const int expectPill = strcmp(f[5], "-") != 0;
    orv_fail_pill_view pill;
    memset(&pill, kUntouched, sizeof pill);
    const int result = orv_select_fail_pill(strcmp(f[1], "true") == 0, f[2], micSize, error,
                                            errorSize, strcmp(f[4], "true") == 0, &pill);
    expect(tally, result == (expectPill ? ORV_PILL_SELECTED : ORV_PILL_NONE), f[0], "result");
    if (expectPill) {
        checkPill(tally, f, &pill, error, errorSize);
    } else {
        expect(tally, isUntouched(&pill), f[0], "pill written");
    }
    for (size_t i = 0; i < 10; ++i) {
        if (f[i] != fields[i]) {
            free(f[i]);
        }
    }
}

/* The contract by number: each constant's value, and on a 64-bit target each field's offset and
 * size and the record's size, as other languages' foreign-function layers declare them. */
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

int main(int argc, char** argv) {
    Tally counts = {0, 0};
    Tally* const tally = &counts;
    FILE* table = argc == 2 ? fopen(argv[1], "rb") : NULL;
    if (table == NULL) {
        (void)fputs("FAIL: usage: orv_pill_c_test <path of cases.tsv>, a file it can read\n",
                    stderr);
        return 1;
    }
    /* No line of the table is long: a long text is written with \*N. */
    char line[4096];
    int cases = 0;
    while (fgets(line, sizeof line, table) != NULL) {
        char* fields[10];
        if (line[0] == '#' || line[0] == '\n') {
            continue;
        }
        if (splitLine(line, fields) == 10) {
            runCase(tally, fields);
            ++cases;
        } else {
            expect(tally, 0, fields[0], "a line of ten fields");
        }
    }
    (void)fclose(table);
    expect(tally, cases > 0, argv[1], "holds cases");

    const int is64Bit = sizeof(void*) == 8;
    for (size_t i = 0; i < sizeof kValues / sizeof kValues[0]; ++i) {
        expect(tally, kValues[i].actual == kValues[i].expected, kValues[i].name, "value");
    }
    for (size_t i = 0; i < sizeof kLayout / sizeof kLayout[0] && is64Bit; ++i) {
        expect(tally, kLayout[i].offset == kLayout[i].expectedOffset, kLayout[i].name, "offset");
        expect(tally, kLayout[i].size == kLayout[i].expectedSize, kLayout[i].name, "size");
    }
    /* The arguments that cannot be read: nothing is written. */
    orv_fail_pill_view pill;
    memset(&pill, kUntouched, sizeof pill);
    expect(tally,
           orv_select_fail_pill(1, NULL, 1, NULL, 0, 1, &pill) == ORV_PILL_INVALID_ARGUMENT &&
               isUntouched(&pill),
           "mic_state NULL with a size", "refused");
    expect(tally,
           orv_select_fail_pill(0, "active", 6, NULL, 1, 1, &pill) == ORV_PILL_INVALID_ARGUMENT &&
               isUntouched(&pill),
           "error NULL with a size", "refused");
    expect(tally,
           orv_select_fail_pill(1, "active", 6, NULL, 0, 1, NULL) == ORV_PILL_INVALID_ARGUMENT,
           "pill NULL", "refused");
    /* A word is its size, not up to a NUL; a NULL word of size 0 is the empty word; any nonzero
     * flag is true. */
    expect(tally,
           orv_select_fail_pill(1, "missing!", 7, NULL, 0, 1, &pill) == ORV_PILL_SELECTED &&
               pill.kind == ORV_FAIL_KIND_DEVICE_REMOVED,
           "a word of 7 bytes", "DeviceRemoved");
    expect(tally,
           orv_select_fail_pill(7, NULL, 0, "x", 1, 0, &pill) == ORV_PILL_SELECTED &&
               pill.kind == ORV_FAIL_KIND_GENERIC,
           "a NULL word and the flag 7", "Generic");
    expect(tally, orv_pill_version() == ORV_PILL_VERSION, "orv_pill_version", "ORV_PILL_VERSION");
    (void)printf("%d passed, %d failed\n", counts.passed, counts.failed);
    return counts.failed == 0 ? 0 : 1;
}
