#!/bin/sh
# Encrypts a sample with both ciphers and decrypts what comes out, with the converter given.
set -u
cli=$1
sample='キャンプ。'

for cipher in nisendoka soroban; do
  echo "== $cipher"
  encrypted=$("$cli" -c "$cipher" -e "$sample")
  echo "$sample -> $encrypted"
  decrypted=$("$cli" -c "$cipher" -d "$encrypted")
  echo "$encrypted -> $decrypted"
done
exit 0
