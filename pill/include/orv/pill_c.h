/* The failure pill selection for C and any language that calls C (C#, Python, Rust, Node): the
 * rules and texts of orv::selectFailPill in <orv/pill.h>, with fixed-width arguments and a record
 * of pointers and sizes, whatever standard library the caller uses. C99 and later, and C++.
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

/* One failure notice for the status display; the layout is fixed.
 * NOLINTNEXTLINE(modernize-use-using) */
typedef struct orv_fail_pill_view {
    int32_t kind; /* the FailKind value: 0, 1, 2, 3 or 5 */
    const char* message;
    size_t message_size;
    const char* action_label; /* empty when the pill offers no action */
    size_t action_label_size;
    const char* deep_link; /* empty when there is none */
    size_t deep_link_size;
    uint8_t dismissable; /* 0 or 1 */
    uint8_t reserved;    /* always 0 */
} orv_fail_pill_view;

/* What orv_select_fail_pill returns. */
enum orv_pill_result {
    ORV_PILL_SELECTED = 1,         /* a pill, written to *pill */
    ORV_PILL_NONE = 0,             /* no pill: the display shows no failure; *pill is untouched */
    ORV_PILL_INVALID_ARGUMENT = -1 /* an argument cannot be read; nothing is written */
};

/* Picks the one failure pill to show, or none, by the rules of orv::selectFailPill. A flag is
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
