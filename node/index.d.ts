// The declarations of orv-pill: the failure pill of the status display, for Node.

/** What a pill is about. The values are fixed: callers may store or transmit them. */
export declare const FailKind: Readonly<{
  Generic: 0; MicPermission: 1; DriverNotLoaded: 2; SteamVRNotRunning: 3; DeviceRemoved: 5;
}>;
export type FailKind = (typeof FailKind)[keyof typeof FailKind];

/** One failure notice, frozen; an empty actionLabel and deepLink mean no action. */
export interface FailPill {
  readonly kind: FailKind;
  readonly message: string;
  readonly actionLabel: string;
  readonly deepLink: string;
  readonly dismissable: boolean;
  readonly reserved: boolean;
}

/** The one pill to show, or null; throws a TypeError for an argument of the wrong type. */
export declare function selectFailPill(driverLoaded: boolean, micState: string,
  error: string | null | undefined, steamVrRunning: boolean): FailPill | null;

/** This package's version, "major.minor.patch". */
export declare function libraryVersion(): string;
