/* The status display's C twin, for a C-only CMake or Meson project: it links the static library
 * through the C interface alone, with no C++ runtime, and fails unless the pill is exact. */
#include <orv/pill_c.h>
#include <stdio.h>
#include <string.h>

int main(void) {
    static const char kMessage[] = "Mic access blocked";
    orv_fail_pill_view pill;
    if (orv_select_fail_pill(1, "permission_denied", 17, NULL, 0, 1, &pill) != ORV_PILL_SELECTED ||
        pill.kind != ORV_FAIL_KIND_MIC_PERMISSION || pill.message_size != sizeof kMessage - 1 ||
        memcmp(pill.message, kMessage, sizeof kMessage) != 0) {
        (void)fputs("not the MicPermission pill\n", stderr);
        return 1;
    }
    (void)printf("%s [%s -> %s]\n", pill.message, pill.action_label, pill.deep_link);
    return 0;
}
