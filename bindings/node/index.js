// The failure pill selection of orv_pill, for a status display written for Node, through the
// shared library's C interface and koffi. The library is looked up, in order, at the path in the
// environment variable ORV_PILL_LIBRARY; beside this module, where the install of a shared build
// puts a copy, which npm takes along; and by name on the system's library path.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import koffi from 'koffi';

/** What a pill is about; the values are orv::FailKind's. */
export const FailKind = Object.freeze({
  Generic: 0, MicPermission: 1, DriverNotLoaded: 2, SteamVRNotRunning: 3, DeviceRemoved: 5,
});

function load() {
  const names = {
    win32: ['orv_pill.dll', 'liborv_pill.dll'], darwin: ['liborv_pill.1.dylib', 'liborv_pill.dylib'],
  }[process.platform] ?? ['liborv_pill.so.1', 'liborv_pill.so'];
  if (process.env.ORV_PILL_LIBRARY) return koffi.load(process.env.ORV_PILL_LIBRARY);
  const here = path.dirname(fileURLToPath(import.meta.url));
  const found = names.map((name) => path.join(here, name)).find(fs.existsSync);
  for (const candidate of found ? [found] : names) {
    try { return koffi.load(candidate); } catch { /* the next name */ }
  }
  throw new Error(`orv-pill: found none of ${names.join(', ')} beside ${here} or on the ` +
    'library path; set ORV_PILL_LIBRARY to its path');
}

const library = load();
// orv_fail_pill_view of <orv/pill_c.h>; exported for the tests, which pin its layout.
export const View = koffi.struct('orv_fail_pill_view', {
  kind: 'int32', message: 'void *', message_size: 'size_t', action_label: 'void *',
  action_label_size: 'size_t', deep_link: 'void *', deep_link_size: 'size_t', dismissable: 'uint8',
  reserved: 'uint8',
});
const select = library.func('int orv_select_fail_pill(uint8, const uint8 *, size_t, ' +
  'const uint8 *, size_t, uint8, _Out_ orv_fail_pill_view *)');
const version = library.func('int orv_pill_version()');

function check(name, value, type) {
  if (typeof value !== type) throw new TypeError(`${name} must be a ${type}, not ${typeof value}`);
}

/** The one pill to show, or null, by the rules of orv::selectFailPill. */
export function selectFailPill(driverLoaded, micState, error, steamVrRunning) {
  check('driverLoaded', driverLoaded, 'boolean');
  check('micState', micState, 'string');
  if (error !== null && error !== undefined) check('error', error, 'string');
  check('steamVrRunning', steamVrRunning, 'boolean');
  // Buffers of this function's own, not koffi's copies for the call: a Generic message points
  // into `errorBytes`, and is copied out before it goes.
  const mic = Buffer.from(micState, 'utf8');
  const errorBytes = error == null ? null : Buffer.from(error, 'utf8');
  const view = {};
  const result = select(driverLoaded ? 1 : 0, mic, mic.length, errorBytes,
    errorBytes?.length ?? 0, steamVrRunning ? 1 : 0, view);
  if (result === 0) return null;
  if (result !== 1) throw new Error(`orv_select_fail_pill returned ${result}`);
  const text = (name) => koffi.decode(view[name], 'char', Number(view[`${name}_size`]));
  return Object.freeze({
    kind: view.kind, message: text('message'), actionLabel: text('action_label'),
    deepLink: text('deep_link'), dismissable: view.dismissable !== 0, reserved: view.reserved !== 0,
  });
}

/** The version of the library that answers, as "major.minor.patch". */
export function libraryVersion() {
  const number = version();
  return `${Math.floor(number / 10000)}.${Math.floor(number / 100) % 100}.${number % 100}`;
}
