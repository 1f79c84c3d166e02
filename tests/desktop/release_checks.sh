# Shared by the release tests: the ELF files a release carries, and the check
# that ldd finds every library they need, a carried one in the release.

release_elf_files() { # RELEASE
  local file
  for file in "$1/installer" "$1"/.installer/lib/* "$1"/.installer/plugins/*/*; do
    [ -L "$file" ] && continue
    [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = '177ELF' ] && echo "$file"
  done
}

check_release_libraries() { # RELEASE
  local release=$1 file line name path
  local count=0
  while read -r file; do
    count=$((count + 1))
    local listing
    listing=$(ldd "$file" 2>&1) || desktop_fail "ldd $file failed: $listing"
    if grep -q 'not found' <<<"$listing"; then
      desktop_fail "${file#$release/}: $(grep 'not found' <<<"$listing" | tr -s ' \t' ' ')"
    fi
    while read -r line; do
      name=$(awk '{print $1}' <<<"$line")
      path=$(awk '{print $3}' <<<"$line")
      [ -e "$release/.installer/lib/$name" ] || continue
      [ "$(realpath "$path")" = "$(realpath "$release/.installer/lib/$name")" ] \
        || desktop_fail "${file#$release/} loads $name from $path, not from the release"
    done < <(grep '=>' <<<"$listing")
  done < <(release_elf_files "$release")
  [ "$count" -gt 20 ] || desktop_fail "only $count ELF files in the release"
}
