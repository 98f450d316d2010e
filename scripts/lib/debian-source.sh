# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash

# Fetches Debian source packages on a machine whose apt has no deb-src lines.
# apt runs with a sources list, lists and cache of its own, next to the
# sources it fetches: the machine's apt configuration and lists are only read,
# never changed. Source it, do not run it.

# debian_deb_sources SUITE: one "URI SUITE [KEYRING]" line for each enabled deb
# source of this machine's apt with the main component, for SUITE and the
# suites named after it (SUITE-updates, SUITE-security...): the URIs of deb822
# sources (*.sources) and the deb lines of one-line lists (*.list). Files
# renamed to anything else, such as *.disabled, are not sources. KEYRING is the
# source's Signed-By when that is a file.
debian_deb_sources() {
    local suite=$1 file
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk -v suite="$suite" 'BEGIN { RS = ""; FS = "\n" }
            {
                types = suites = components = uris = keyring = ""; enabled = "yes"
                for (i = 1; i <= NF; i++) {
                    # Comments, and the continuation lines of an inline key.
                    if ($i ~ /^[ \t#]/) continue
                    n = index($i, ":")
                    if (n == 0) continue
                    key = tolower(substr($i, 1, n - 1)); value = substr($i, n + 1)
                    gsub(/[ \t]+/, " ", value); gsub(/^ | $/, "", value)
                    if (key == "types") types = value
                    else if (key == "suites") suites = value
                    else if (key == "components") components = value
                    else if (key == "uris") uris = value
                    else if (key == "enabled") enabled = value
                    else if (key == "signed-by") keyring = value
                }
                if (enabled ~ /no/ || (" " types " ") !~ / deb / ||
                    (" " components " ") !~ / main /) next
                if (keyring !~ /^\//) keyring = ""
                split(uris, uri, " ")
                count = split(suites, list, " ")
                for (j = 1; j <= count; j++)
                    if (list[j] == suite || index(list[j], suite "-") == 1)
                        print uri[1], list[j], keyring
            }' "$file"
    done
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        sed 's/#.*//' "$file" | awk -v suite="$suite" '
            $1 == "deb" {
                line = $0; keyring = ""
                if (match(line, /\[[^]]*\]/)) {
                    count = split(substr(line, RSTART + 1, RLENGTH - 2), options, " ")
                    for (i = 1; i <= count; i++)
                        if (options[i] ~ /^signed-by=\//) keyring = substr(options[i], 11)
                    line = substr(line, 1, RSTART - 1) " " substr(line, RSTART + RLENGTH)
                }
                count = split(line, field, " ")
                main = 0
                for (i = 4; i <= count; i++) if (field[i] == "main") main = 1
                if (main && (field[3] == suite || index(field[3], suite "-") == 1))
                    print field[2], field[3], keyring
            }'
    done
}

# debian_source_version BINARY: the version of the source package that this
# machine's apt would install the binary package BINARY from. It needs only the
# machine's own lists, so it answers at once and offline.
debian_source_version() {
    local version
    version=$(apt-cache show --no-all-versions "$1" 2>/dev/null | awk '
        /^Source: / && $3 != "" { source = $3; gsub(/[()]/, "", source) }
        /^Version: / { version = $2 }
        END { print (source != "" ? source : version) }')
    if [ -z "$version" ]; then
        echo "apt knows no package $1 here; run apt-get update first" >&2
        return 1
    fi
    echo "$version"
}

# fetch_debian_sources SUITE DIR SOURCE=VERSION...: downloads the source
# packages, from the mirrors that debian_deb_sources SUITE finds, and unpacks
# them into DIR with Debian's patches applied. apt's own files go to DIR/apt.
# As root, apt downloads as its user _apt: DIR is handed to it, and the folders
# above DIR must let it through, or apt downloads as root with a warning.
fetch_debian_sources() {
    local suite=$1 dir=$2 apt_dir
    shift 2
    apt_dir=$dir/apt
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
    debian_deb_sources "$suite" | awk '!seen[$0]++ {
            if ($3 != "") print "deb-src [signed-by=" $3 "] " $1, $2, "main"
            else print "deb-src", $1, $2, "main"
        }' >"$apt_dir/sources.list"
    if [ ! -s "$apt_dir/sources.list" ]; then
        echo "no $suite main source in this machine's apt sources" >&2
        return 1
    fi
    echo "apt sources:"
    cat "$apt_dir/sources.list"

    # Read after the machine's configuration, so that its proxy and checks
    # still apply; the hooks it runs after an update are for its own lists.
    cat >"$apt_dir/apt.conf" <<EOF
Dir::Etc::SourceList "$apt_dir/sources.list";
Dir::Etc::SourceParts "$apt_dir/sources.list.d";
Dir::State::Lists "$apt_dir/lists";
Dir::Cache "$apt_dir/cache";
#clear APT::Update::Pre-Invoke;
#clear APT::Update::Post-Invoke;
#clear APT::Update::Post-Invoke-Success;
EOF
    if [ "$(id -u)" -eq 0 ] && id _apt >/dev/null 2>&1; then
        chown _apt "$dir"
    fi
    apt-get -c "$apt_dir/apt.conf" update
    (cd "$dir" && apt-get -c "$apt_dir/apt.conf" source "$@")
}
