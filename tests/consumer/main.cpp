// Prints the pill for a blocked microphone, as a status display would show it.
#include <orv/pill.h>

#include <iostream>
#include <optional>

int main() {
    orv::DriverStatus driver;
    driver.loaded = true;
    orv::CaptureStatus capture;
    capture.state = "idle";
    capture.micState = "permission_denied";

    const std::optional<orv::FailPill> pill = orv::selectFailPill(driver, capture, true);
    if (!pill) {
        std::cout << "no pill\n";
        return 1;
    }
    std::cout << static_cast<int>(pill->kind) << " " << pill->message << " | " << pill->actionLabel
              << " | " << pill->deepLink << " | " << (pill->dismissable ? "dismissable" : "fixed")
              << "\n";
    return 0;
}
