// The failure pill of the status display, for .NET: Pill.SelectFailPill picks at most one failure
// pill, the one short notice that the display shows when something stands in the application's
// way, from the driver side's status, the microphone capture side's status and whether SteamVR is
// running.
using System;

namespace Orv
{
    /// <summary>What a pill is about. The values are fixed: callers may store or transmit them.</summary>
    public enum FailKind
    {
        /// <summary>The capture side reported a failure in its own words.</summary>
        Generic = 0,
        /// <summary>The system blocks the application's access to the microphone.</summary>
        MicPermission = 1,
        /// <summary>The driver is not loaded although SteamVR is running.</summary>
        DriverNotLoaded = 2,
        /// <summary>The driver is not loaded and SteamVR is not running.</summary>
        SteamVRNotRunning = 3,
        /// <summary>The microphone is missing. No kind has the value 4.</summary>
        DeviceRemoved = 5,
    }

    /// <summary>One failure notice, immutable and compared by value: <c>==</c>, <c>Equals</c> and
    /// <c>GetHashCode</c> take every member. An empty ActionLabel and DeepLink mean that it offers no action.</summary>
    public sealed record FailPill
    {
        /// <summary>A pill of these members.</summary>
        /// <exception cref="ArgumentNullException">A text is null; an empty one means none.</exception>
        public FailPill(FailKind kind, string message, string actionLabel, string deepLink, bool dismissable, bool reserved)
        {
            Kind = kind;
            Message = message ?? throw new ArgumentNullException(nameof(message));
            ActionLabel = actionLabel ?? throw new ArgumentNullException(nameof(actionLabel));
            DeepLink = deepLink ?? throw new ArgumentNullException(nameof(deepLink));
            Dismissable = dismissable;
            Reserved = reserved;
        }

        /// <summary>What the pill is about.</summary>
        public FailKind Kind { get; }
        /// <summary>The pill's main line, shown to the user.</summary>
        public string Message { get; }
        /// <summary>The label of the pill's single action; empty when it offers none.</summary>
        public string ActionLabel { get; }
        /// <summary>The link the action opens; empty when there is none. Opening it is the display's business.</summary>
        public string DeepLink { get; }
        /// <summary>True when the user may close the pill.</summary>
        public bool Dismissable { get; }
        /// <summary>Always false in a pill that SelectFailPill returns.</summary>
        public bool Reserved { get; }

        /// <summary>The members, the texts in quotes, so that an empty text or a blank at its end shows.</summary>
        public override string ToString() =>
            $"FailPill {{ Kind = {Kind}, Message = \"{Message}\", ActionLabel = \"{ActionLabel}\", DeepLink = \"{DeepLink}\", Dismissable = {Dismissable}, Reserved = {Reserved} }}";
    }

    /// <summary>The selection of the failure pill.</summary>
    public static class Pill
    {
        // The pills whose texts never change, shared: a FailPill cannot be altered.
        private static readonly FailPill DriverNotLoaded = new FailPill(FailKind.DriverNotLoaded,
            "Driver not installed -- run installer or enable in SteamVR", "Open SteamVR", "steam://rungameid/250820", false, false);
        private static readonly FailPill SteamVRNotRunning = new FailPill(FailKind.SteamVRNotRunning, "SteamVR not running", "", "", false, false);
        private static readonly FailPill MicPermission = new FailPill(FailKind.MicPermission,
            "Mic access blocked", "Open Windows mic settings", "ms-settings:privacy-microphone", true, false);
        private static readonly FailPill DeviceRemoved = new FailPill(FailKind.DeviceRemoved,
            "Microphone disconnected -- reconnect to resume detection", "", "", true, false);

        /// <summary>The one pill to show, or null when the display shows no failure. The rules, in order: the
        /// driver not loaded gives DriverNotLoaded while SteamVR runs and SteamVRNotRunning otherwise; then
        /// micState "permission_denied" gives MicPermission and "missing" DeviceRemoved, matched exactly; then an
        /// error that is not empty gives Generic, with the error as its message, unchanged.</summary>
        /// <exception cref="ArgumentNullException">micState is null; error may be.</exception>
        public static FailPill? SelectFailPill(bool driverLoaded, string micState, string? error, bool steamVrRunning)
        {
            if (micState == null) throw new ArgumentNullException(nameof(micState));
            if (!driverLoaded) return steamVrRunning ? DriverNotLoaded : SteamVRNotRunning;
            if (micState == "permission_denied") return MicPermission;
            if (micState == "missing") return DeviceRemoved;
            if (error != null && error.Length > 0) return new FailPill(FailKind.Generic, error, "", "", true, false);
            return null;
        }

        /// <summary>This package's version, "major.minor.patch".</summary>
        public static string LibraryVersion => "2.1.0";
    }
}
