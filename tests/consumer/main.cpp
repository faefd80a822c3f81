// Shows the pill for a blocked microphone, as a status display would, and fails unless it is
// exactly the pill the library promises.
#include <orv/pill.h>

#include <iostream>
#include <optional>
#include <string_view>

static_assert(ORV_PILL_VERSION_MAJOR == 2, "the version macros reach a consumer");

int main() {
#ifdef ORV_EXPECT_LINKED
    if (std::string_view(ORV_LINKED).rfind(ORV_EXPECT_LINKED, 0) != 0) {
        std::cerr << "linked " << ORV_LINKED << ", not " << ORV_EXPECT_LINKED << '\n';
        return 1;
    }
#endif
    orv::DriverStatus driver;
    driver.loaded = true;
    orv::CaptureStatus capture;
    capture.state = "idle";
    capture.micState = "permission_denied";

    const std::optional<orv::FailPill> pill = orv::selectFailPill(driver, capture, true);
    const orv::FailPill expected{orv::FailKind::MicPermission,
                                 "Mic access blocked",
                                 "Open Windows mic settings",
                                 "ms-settings:privacy-microphone",
                                 true,
                                 false};
    if (!pill || *pill != expected) {
        std::cerr << "not the MicPermission pill\n";
        return 1;
    }
    std::cout << pill->message << " [" << pill->actionLabel << " -> " << pill->deepLink << "]\n";
    return 0;
}
