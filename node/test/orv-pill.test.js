// The Node port on the project's table of cases (tests/cases.tsv), and what only JavaScript has.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { test } from 'node:test';
import { isDeepStrictEqual } from 'node:util';
import { FailKind, libraryVersion, selectFailPill } from 'orv-pill';

const escapes = { 0: '\0', t: '\t', n: '\n', r: '\r' };
// A field of the table as the text it stands for (its escapes are described in the table).
function decode(field) {
  const [, unit, count] = /^((?:[^\\]|\\.)*?)(?:\\\*(\d+))?$/s.exec(field);
  return unit.replace(/\\(.)/gs, (_, code) => escapes[code] ?? code).repeat(Number(count ?? 1));
}

// The table ships beside this file; in a checkout, npm test copies it here first.
const cases = fs.readFileSync(new URL('cases.tsv', import.meta.url), 'utf8').split('\n')
  .filter((line) => line && !line.startsWith('#')).map((line) => {
    const [name, loaded, mic, error, running, kind, message, actionLabel, deepLink, dismissable] =
      line.split('\t');
    const pill = kind === '-' ? null : {
      kind: Number(kind), message: decode(message), actionLabel: decode(actionLabel),
      deepLink: decode(deepLink), dismissable: dismissable === 'true', reserved: false,
    };
    const args = [loaded === 'true', decode(mic), error === '-' ? null : decode(error),
      running === 'true'];
    return { name, args, pill };
  });

test('the table has its cases', () => assert.ok(cases.length > 30));
for (const { name, args, pill } of cases) {
  test(name, () => assert.deepEqual(selectFailPill(...args), pill));
}

test('texts come back as given, lone surrogates too; an absent error may be undefined', () => {
  for (const error of ['lone \uD800 surrogate', '\uDFFF']) {
    assert.equal(selectFailPill(true, 'active', error, true).message, error);
  }
  assert.equal(selectFailPill(true, 'active', undefined, true), null);
});

test('pills are frozen, and the fixed ones are shared', () => {
  const generic = selectFailPill(true, 'active', 'lost', true);
  assert.ok(Object.isFrozen(generic));
  assert.equal(selectFailPill(true, 'missing', null, true),
    selectFailPill(true, 'missing', 'other', false));
});

test('isDeepStrictEqual compares pills by value, every member', () => {
  const pill = selectFailPill(true, 'active', 'lost', true);
  assert.ok(isDeepStrictEqual(pill, selectFailPill(true, 'active', 'lost', false)));
  for (const [member, other] of [['kind', FailKind.DeviceRemoved], ['message', 'Lost'],
    ['actionLabel', ' '], ['deepLink', ' '], ['dismissable', false], ['reserved', true]]) {
    assert.ok(!isDeepStrictEqual(pill, { ...pill, [member]: other }), member);
  }
});

test('bad input is a TypeError naming it', () => {
  for (const [args, message] of [
    [[null, 'active', null, true], 'driverLoaded must be a boolean, not null'],
    [[true, null, null, true], 'micState must be a string, not null'],
    [[true, 'active', 5, true], 'error must be a string, not number'],
    [[true, 'active', null, 'yes'], 'steamVrRunning must be a boolean, not string']]) {
    assert.throws(() => selectFailPill(...args), { name: 'TypeError', message });
  }
});

test('the version, and the kinds as index.d.ts declares them', () => {
  assert.match(libraryVersion(), /^\d+\.\d+\.\d+$/);
  assert.deepEqual(Object.values(FailKind), [0, 1, 2, 3, 5]);
  const declarations = fs.readFileSync(new URL('../index.d.ts', import.meta.url), 'utf8');
  const declared = /const FailKind: Readonly<\{([^}]*)\}>/.exec(declarations)[1];
  assert.deepEqual(Object.fromEntries([...declared.matchAll(/(\w+): (\d+)/g)]
    .map(([, name, value]) => [name, Number(value)])), FailKind);
});
