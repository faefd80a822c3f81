// Shows the pill for a blocked microphone, as a status display would, and fails unless it is
// exactly the pill the library promises.
#include <orv/pill.h>

#include <iostream>
#include <optional>

static_assert(ORV_PILL_VERSION_MAJOR == 2, "the version macros reach a consumer");

int main() {
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
