#!/usr/bin/env bash
# Installs the build into a temporary prefix (DESTDIR, prefix /usr, as the package does) and runs
# both programs from there: the files an installation must hold, the shipped language files
# passing lang-check with the installed command, the desktop entry and AppStream metadata passing
# their validators (when installed), and the workspace each run chooses: beside the program while
# its folder can be written, else in the user's data folder, or the one --workspace names.
# Usage: install_test.sh <build-folder> <cmake>
set -uo pipefail

build=${1:?build folder}
cmake=${2:?cmake}
root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
failed=0

fail() {
  echo "install test: $*" >&2
  failed=1
}

if ! DESTDIR="$root/dest" "$cmake" --install "$build" --prefix /usr >"$root/install.log" 2>&1; then
  cat "$root/install.log" >&2
  fail "cmake --install failed"
  exit 1
fi
prefix=$root/dest/usr
id=example.velmora.birchcfg

for file in bin/birchcfg bin/birchcfg-cli \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/128x128/apps/$id.png \
  share/man/man1/birchcfg.1.gz share/man/man1/birchcfg-cli.1.gz \
  share/birchcfg/languages/English.lng share/birchcfg/languages/English.bmp \
  share/birchcfg/languages/DefaultFlag.bmp; do
  [ -f "$prefix/$file" ] || fail "the installation lacks $file"
done
for page in birchcfg birchcfg-cli; do
  gzip -t "$prefix/share/man/man1/$page.1.gz" 2>/dev/null || fail "$page.1.gz is not a gzip file"
done

version=$("$prefix/bin/birchcfg-cli" --version) || fail "birchcfg-cli --version failed"
[[ $version == Birchcfg\ * ]] || fail "birchcfg-cli --version printed '$version'"

for language in "$prefix"/share/birchcfg/languages/*.lng; do
  "$prefix/bin/birchcfg-cli" lang-check "$language" >"$root/check.log" || {
    cat "$root/check.log" >&2
    fail "$(basename "$language") does not pass lang-check"
  }
done

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" >&2 || fail "the desktop entry is not valid"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$root/appstream.log" 2>&1 || {
    cat "$root/appstream.log" >&2
    fail "the AppStream metadata is not valid"
  }
fi

# The workspace `birchcfg --help` names for this run; the variables after the first argument set the
# environment, and root runs the program as an ordinary user so that permissions hold.
workspace_of() {
  local -a command=(env -u XDG_DATA_HOME -u HOME "$@" "$prefix/bin/birchcfg")
  if [ "$(id -u)" -eq 0 ]; then
    command=(setpriv --reuid=65534 --regid=65534 --clear-groups "${command[@]}")
  fi
  "${command[@]}" "${workspace_args[@]}" --help | sed -n 's/^Workspace of this run: //p'
}
expect_workspace() {
  local expected=$1
  shift
  local actual
  actual=$(workspace_of "$@")
  [ "$actual" = "$expected" ] || fail "workspace '$actual', expected '$expected' (${workspace_args[*]} $*)"
}

chmod 755 "$root"
workspace_args=()
# Writable for the user who runs it, as a build tree or an unpacked folder is.
[ "$(id -u)" -eq 0 ] && chown 65534 "$prefix/bin"
expect_workspace "$prefix/bin" XDG_DATA_HOME="$root/data" HOME="$root/home"
# Installed for all: the user cannot write the program's folder.
chmod a-w "$prefix/bin"
expect_workspace "$root/data/birchcfg" XDG_DATA_HOME="$root/data" HOME="$root/home"
expect_workspace "$root/home/.local/share/birchcfg" HOME="$root/home"
workspace_args=(--workspace "$root/chosen")
expect_workspace "$root/chosen" HOME="$root/home"

if [ "$failed" -ne 0 ]; then
  exit 1
fi
echo "install test: ok"
