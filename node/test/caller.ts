// A small status display in TypeScript, which tsc checks against index.d.ts; never run.
import { FailKind, FailPill, libraryVersion, selectFailPill } from 'orv-pill';

const pill: FailPill | null = selectFailPill(true, 'permission_denied', null, true);
if (pill !== null && pill.kind === FailKind.MicPermission) {
  const shown: string = `${pill.message} [${pill.actionLabel} -> ${pill.deepLink}]`;
  const closable: boolean = pill.dismissable;
  console.log(shown, closable, libraryVersion());
}
// @ts-expect-error: a pill cannot be changed.
if (pill) pill.message = 'changed';
// @ts-expect-error: the flags are booleans.
selectFailPill(1, 'active', undefined, true);
