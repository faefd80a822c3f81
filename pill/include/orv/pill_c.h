/* The failure pill selection for C and any language that calls C: the rules and texts of
 * orv::selectFailPill in <orv/pill.h>, with fixed-width arguments and a record of pointers and
 * sizes. C99 and later, and C++. The library that defines it is C, so any caller links it, whatever
 * standard library the caller uses.
 *
 * Nothing is allocated. A pill's fixed texts are static: they live as long as the process and end
 * in a NUL that their size leaves out; an empty one is such an empty string, never NULL. A Generic
 * pill's message is the caller's own `error` pointer and size, valid as long as those bytes are.
 * Safe from any thread; never throws. */
#ifndef ORV_PILL_C_H
#define ORV_PILL_C_H

/* A C header: neither <cstddef> nor `using` is C. */
#include <stddef.h> /* NOLINT(modernize-deprecated-headers) */
#include <stdint.h> /* NOLINT(modernize-deprecated-headers) */

#include "orv/pill_config.h"

#ifdef __cplusplus
#define ORV_PILL_NOEXCEPT noexcept /* NOLINT(cppcoreguidelines-macro-usage) */
extern "C" {
#else
#define ORV_PILL_NOEXCEPT
#endif

/* The values of orv_fail_pill_view's `kind`, those of orv::FailKind; no kind is 4. The values
 * and results here are macros, so that their types are the fields' and functions' own fixed ones;
 * so are the texts, which C and C++ take alike.
 * NOLINTBEGIN(cppcoreguidelines-macro-usage, modernize-macro-to-enum) */
#define ORV_FAIL_KIND_GENERIC 0             /* the capture side's own failure text */
#define ORV_FAIL_KIND_MIC_PERMISSION 1      /* the microphone is blocked by the system */
#define ORV_FAIL_KIND_DRIVER_NOT_LOADED 2   /* driver not loaded, SteamVR running */
#define ORV_FAIL_KIND_STEAMVR_NOT_RUNNING 3 /* driver not loaded, SteamVR not running */
#define ORV_FAIL_KIND_DEVICE_REMOVED 5      /* the microphone is missing */

/* The two words of the microphone's state that are failures; every other word means none. */
#define ORV_PILL_WORD_PERMISSION_DENIED "permission_denied"
#define ORV_PILL_WORD_MISSING "missing"

/* Every text that a pill of the selection carries, but a Generic pill's message, which is the
 * capture side's own. A pill without an action has an empty label and link. */
#define ORV_PILL_DRIVER_NOT_LOADED_MESSAGE \
    "Driver not installed -- run installer or enable in SteamVR"
#define ORV_PILL_DRIVER_NOT_LOADED_ACTION_LABEL "Open SteamVR"
#define ORV_PILL_DRIVER_NOT_LOADED_DEEP_LINK "steam://rungameid/250820"
#define ORV_PILL_STEAMVR_NOT_RUNNING_MESSAGE "SteamVR not running"
#define ORV_PILL_MIC_PERMISSION_MESSAGE "Mic access blocked"
#define ORV_PILL_MIC_PERMISSION_ACTION_LABEL "Open Windows mic settings"
#define ORV_PILL_MIC_PERMISSION_DEEP_LINK "ms-settings:privacy-microphone"
#define ORV_PILL_DEVICE_REMOVED_MESSAGE "Microphone disconnected -- reconnect to resume detection"

/* What orv_select_fail_pill returns. */
#define ORV_PILL_SELECTED 1 /* a pill, written to *pill */
#define ORV_PILL_NONE 0     /* no pill: the display shows no failure; *pill is untouched */
#define ORV_PILL_INVALID_ARGUMENT (-1) /* an argument cannot be read; nothing is written */
/* NOLINTEND(cppcoreguidelines-macro-usage, modernize-macro-to-enum) */

/* One failure notice for the status display. The layout is fixed on every target: with P the size
 * of a pointer and of size_t, `kind` at 0, each pointer and size P bytes at P, 2P, ... 6P, the
 * flags at 7P and 7P + 1, the record 8P bytes (64 on a 64-bit target).
 * NOLINTNEXTLINE(modernize-use-using) */
typedef struct orv_fail_pill_view {
    int32_t kind; /* one of the ORV_FAIL_KIND_ values */
    const char* message;
    size_t message_size;
    const char* action_label; /* empty when the pill offers no action */
    size_t action_label_size;
    const char* deep_link; /* empty when there is none */
    size_t deep_link_size;
    uint8_t dismissable; /* 0 or 1 */
    uint8_t reserved;    /* always 0 */
} orv_fail_pill_view;

/* Picks the one failure pill to show, or none, by the rules of orv::selectFailPill, and returns
 * ORV_PILL_SELECTED, ORV_PILL_NONE or ORV_PILL_INVALID_ARGUMENT. A flag is
 * true when it is not 0. `mic_state` is the microphone's state word, of `mic_state_size` bytes;
 * NULL with size 0 is the empty word. `error` is the capture side's own failure text: NULL means
 * none, and a text of size 0 counts as none too. The arguments cannot be read when `pill` is
 * NULL, or `mic_state` or `error` is NULL with a size above 0. */
ORV_PILL_API int orv_select_fail_pill(uint8_t driver_loaded, const char* mic_state,
                                      size_t mic_state_size, const char* error, size_t error_size,
                                      uint8_t steam_vr_running,
                                      orv_fail_pill_view* pill) ORV_PILL_NOEXCEPT;

/* ORV_PILL_VERSION of the library that answers, for a caller that loads it at run time. */
ORV_PILL_API int orv_pill_version(void) ORV_PILL_NOEXCEPT;

#ifdef __cplusplus
}
#endif
#undef ORV_PILL_NOEXCEPT

#endif /* ORV_PILL_C_H */
