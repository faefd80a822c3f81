// The package through require(), as a CommonJS program loads it: the same selection as import.
const assert = require('node:assert/strict');
const { test } = require('node:test');
const { FailKind, selectFailPill } = require('orv-pill');

test('require() loads the ES module', () => {
  assert.equal(selectFailPill(true, 'permission_denied', null, true).kind, FailKind.MicPermission);
});
