#!/usr/bin/env bash
# Signs Windows programs in place (Authenticode, SHA-256) with the certificate
# in ZAREL_SIGN_CERT and its private key in ZAREL_SIGN_KEY (PEM or DER; the
# key's passphrase, if it has one, in the file ZAREL_SIGN_PASSFILE), with a
# timestamp from the RFC 3161 server ZAREL_SIGN_TIMESTAMP when one is named.
# package-windows.sh calls it for each program and the installer calls it,
# through makensis, for the setup and its uninstaller.
# Usage: sign-windows.sh FILE...
set -euo pipefail
: "${ZAREL_SIGN_CERT:?the certificate}" "${ZAREL_SIGN_KEY:?its private key}"
options=(-h sha256 -certs "$ZAREL_SIGN_CERT" -key "$ZAREL_SIGN_KEY" -n Zarel -i https://www.zarel-radio.example/)
[ -z "${ZAREL_SIGN_PASSFILE:-}" ] || options+=(-readpass "$ZAREL_SIGN_PASSFILE")
[ -z "${ZAREL_SIGN_TIMESTAMP:-}" ] || options+=(-ts "$ZAREL_SIGN_TIMESTAMP")
for file in "$@"; do
    rm -f "$file.signed"
    if ! osslsigncode sign "${options[@]}" -in "$file" -out "$file.signed" >"$file.signlog" 2>&1; then
        cat "$file.signlog" >&2
        rm -f "$file.signed" "$file.signlog"
        echo "sign-windows.sh: could not sign $file" >&2
        exit 1
    fi
    rm -f "$file.signlog"
    mv "$file.signed" "$file"
done
