// The Node binding against the shared library, on the cases of bindings/tests/cases.tsv.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { test } from 'node:test';
import koffi from 'koffi';
import { FailKind, libraryVersion, selectFailPill, View } from '../index.js';

const cases = fs.readFileSync(new URL('../../tests/cases.tsv', import.meta.url), 'utf8')
  .split('\n').filter((line) => line && !line.startsWith('#')).map((line) => {
    const [name, loaded, mic, error, running, kind, message, actionLabel, deepLink, dismissable] =
      line.split('\t');
    const pill = kind === '-' ? null : { kind: Number(kind), message, actionLabel, deepLink,
      dismissable: dismissable === 'true', reserved: false };
    return { name, args: [loaded === 'true', mic, error === '-' ? null : error, running === 'true'], pill };
  });

for (const { name, args, pill } of cases) {
  test(name, () => assert.deepEqual(selectFailPill(...args), pill));
}

test('a Generic message is its own after more calls', () => {
  const first = selectFailPill(true, 'active', 'capture device failed to start', true);
  selectFailPill(true, 'active', 'X'.repeat(first.message.length), true);
  assert.equal(first.message, 'capture device failed to start');
  assert.ok(Object.isFrozen(first));
});

test('bad input is a TypeError naming it', () => {
  for (const [args, named] of [[[1, 'active', null, true], 'driverLoaded'],
    [[true, null, null, true], 'micState'], [[true, 'active', 5, true], 'error'],
    [[true, 'active', null, 'yes'], 'steamVrRunning']]) {
    assert.throws(() => selectFailPill(...args), { name: 'TypeError', message: new RegExp(named) });
  }
});

test('the declared layout is the header\'s', () => {
  const fields = ['message', 'message_size', 'action_label', 'action_label_size', 'deep_link',
    'deep_link_size', 'dismissable', 'reserved'];
  assert.deepEqual([koffi.sizeof(View), ...fields.map((field) => koffi.offsetof(View, field))],
    [64, 8, 16, 24, 32, 40, 48, 56, 57]);
});

test('the version and the kinds', () => {
  assert.match(libraryVersion(), /^\d+\.\d+\.\d+$/);
  assert.deepEqual(Object.values(FailKind), [0, 1, 2, 3, 5]);
});
