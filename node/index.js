// The failure pill of the status display, for Node: selectFailPill picks at most one failure
// pill, the one short notice that the display shows when something stands in the application's
// way, from the driver side's status, the microphone capture side's status and whether SteamVR is
// running.

/** What a pill is about. The values are fixed: callers may store or transmit them. */
export const FailKind = Object.freeze({
  /** The capture side reported a failure in its own words. */
  Generic: 0,
  /** The system blocks the application's access to the microphone. */
  MicPermission: 1,
  /** The driver is not loaded although SteamVR is running. */
  DriverNotLoaded: 2,
  /** The driver is not loaded and SteamVR is not running. */
  SteamVRNotRunning: 3,
  /** The microphone is missing. No kind has the value 4. */
  DeviceRemoved: 5,
});

// A pill is frozen: no caller can change what another is shown.
function pill(kind, message, actionLabel, deepLink, dismissable) {
  return Object.freeze({ kind, message, actionLabel, deepLink, dismissable, reserved: false });
}

// The pills whose texts never change, shared, so that === tells them apart too.
const driverNotLoaded = pill(FailKind.DriverNotLoaded,
  'Driver not installed -- run installer or enable in SteamVR', 'Open SteamVR',
  'steam://rungameid/250820', false);
const steamVrNotRunning = pill(FailKind.SteamVRNotRunning, 'SteamVR not running', '', '', false);
const micPermission = pill(FailKind.MicPermission, 'Mic access blocked',
  'Open Windows mic settings', 'ms-settings:privacy-microphone', true);
const deviceRemoved = pill(FailKind.DeviceRemoved,
  'Microphone disconnected -- reconnect to resume detection', '', '', true);

// The error for an argument of the wrong type, naming null as null (typeof says "object").
function wrongType(name, type, value) {
  return new TypeError(`${name} must be a ${type}, not ${value === null ? 'null' : typeof value}`);
}

/**
 * The one pill to show, or null when the display shows no failure. The rules, in order: the
 * driver not loaded gives DriverNotLoaded while SteamVR runs and SteamVRNotRunning otherwise; then
 * micState 'permission_denied' gives MicPermission and 'missing' DeviceRemoved, matched exactly;
 * then an error that is not empty gives Generic, with the error as its message, unchanged. Every
 * pill is frozen. Throws a TypeError for an argument of the wrong type (error may be null or
 * undefined).
 */
export function selectFailPill(driverLoaded, micState, error, steamVrRunning) {
  // The checks are written out, since a healthy display calls this on every poll.
  if (typeof driverLoaded !== 'boolean') throw wrongType('driverLoaded', 'boolean', driverLoaded);
  if (typeof micState !== 'string') throw wrongType('micState', 'string', micState);
  if (error !== null && error !== undefined && typeof error !== 'string') {
    throw wrongType('error', 'string', error);
  }
  if (typeof steamVrRunning !== 'boolean') {
    throw wrongType('steamVrRunning', 'boolean', steamVrRunning);
  }
  if (!driverLoaded) return steamVrRunning ? driverNotLoaded : steamVrNotRunning;
  if (micState === 'permission_denied') return micPermission;
  if (micState === 'missing') return deviceRemoved;
  if (error) return pill(FailKind.Generic, error, '', '', true);
  return null;
}

/** This package's version, "major.minor.patch". */
export function libraryVersion() {
  return '2.1.0';
}
