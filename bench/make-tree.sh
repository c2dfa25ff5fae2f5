#!/usr/bin/env bash
# Makes a synthetic folder tree for benchmarks and tests of twinpics-walk: nested folders,
# a share of .jpg files of varied sizes (some byte-identical copies of others, some of the
# same size as another but different in their last bytes only), and many other files.
# The same seed and options always give the same tree, byte for byte.
#
#   bench/make-tree.sh [options] DIR
#
# Options (defaults in brackets):
#   --entries N        entries to create in all, files and folders [100000]
#   --image-share P    percent of the files that are JPEG files [20]
#   --copy-share P     percent of the files that are byte-identical copies of an earlier
#                      file of their kind [10]
#   --near-share P     percent of the JPEG files that have the size of an earlier one and
#                      differ from it only in their last 8 bytes [5]
#   --files N          files per folder, on average [40]
#   --fanout N         subfolders per folder [8]
#   --min-size BYTES   smallest JPEG file [1024]
#   --max-size BYTES   largest JPEG file; sizes are spread evenly on a log scale between
#                      the two, so that small files often share a size [131072]
#   --other-max BYTES  largest other file [4096]
#   --seed N           [1]
#   --image-twin DIR2  also make DIR2 with the same folders and only the JPEG files, each a
#                      hard link to its file in DIR (no space taken), so that tools that
#                      cannot restrict themselves to .jpg files can be given the same work
#
# DIR (and DIR2) must not exist yet. At the end it prints what it made as name=value lines,
# among them jpeg_files and jpeg_pairs: the number of pairs of identical JPEG files, which
# is the number of lines twinpics-walk must print for DIR; all_pairs counts the pairs of
# identical files of any kind, as tools that look at every file find them.
set -euo pipefail

usage() {
    sed -n '2,/^set -euo/p' "$0" | sed '$d' | sed 's/^# \{0,1\}//' >&2
    exit 2
}

entries=100000 image_share=20 copy_share=10 near_share=5 files=40 fanout=8
min_size=1024 max_size=131072 other_max=4096 seed=1 twin=""
while [ $# -gt 0 ]; do
    case "$1" in
    --entries) entries=${2:?}; shift 2 ;;
    --image-share) image_share=${2:?}; shift 2 ;;
    --copy-share) copy_share=${2:?}; shift 2 ;;
    --near-share) near_share=${2:?}; shift 2 ;;
    --files) files=${2:?}; shift 2 ;;
    --fanout) fanout=${2:?}; shift 2 ;;
    --min-size) min_size=${2:?}; shift 2 ;;
    --max-size) max_size=${2:?}; shift 2 ;;
    --other-max) other_max=${2:?}; shift 2 ;;
    --seed) seed=${2:?}; shift 2 ;;
    --image-twin) twin=${2:?}; shift 2 ;;
    -h | --help) usage ;;
    --) shift; break ;;
    -*) echo "make-tree.sh: unknown option $1" >&2; usage ;;
    *) break ;;
    esac
done
[ $# -eq 1 ] || { echo "make-tree.sh: give exactly one DIR" >&2; usage; }
dir=$1
for number in "$entries" "$image_share" "$copy_share" "$near_share" "$files" "$fanout" \
    "$min_size" "$max_size" "$other_max" "$seed"; do
    [[ $number =~ ^[0-9]+$ ]] || { echo "make-tree.sh: not a number: $number" >&2; exit 2; }
done
[ "$min_size" -ge 64 ] && [ "$max_size" -ge "$min_size" ] && [ "$other_max" -ge 64 ] &&
    [ "$files" -ge 1 ] ||
    { echo "make-tree.sh: sizes must be at least 64 (and --max-size at least --min-size)," \
        "--files at least 1" >&2; exit 2; }
for target in "$dir" ${twin:+"$twin"}; do
    [ ! -e "$target" ] || { echo "make-tree.sh: $target exists already" >&2; exit 2; }
done

# Perl is part of every Debian system (perl-base is essential) and writes a million files
# far faster than a shell loop.
exec perl -e '
use strict;
use warnings;
my ($dir, $twin, $entries, $image_share, $copy_share, $near_share, $files, $fanout,
    $min_size, $max_size, $other_max, $seed) = @ARGV;
srand($seed);

# A pool of pseudo-random bytes; each file is a unique header and a slice of it.
my $pool_size = 1 << 22;
my $pool = join "", map { pack "N", int(rand(4294967296)) } 1 .. ($pool_size / 4);
sub content {
    my ($id, $size) = @_;
    my $header = sprintf "\xff\xd8\xff twinpics bench file %010d\n", $id;
    my $body = $size - length $header;
    return substr($header, 0, $size) if $body <= 0;
    my $offset = int(rand($pool_size - $body));
    return $header . substr($pool, $offset, $body);
}
sub log_size {
    my ($low, $high) = @_;
    return int(exp(log($low) + rand(log($high) - log($low))));
}
sub write_file {
    my ($path, $bytes) = @_;
    open my $out, ">:raw", $path or die "make-tree.sh: $path: $!\n";
    print {$out} $bytes or die "make-tree.sh: $path: $!\n";
    close $out or die "make-tree.sh: $path: $!\n";
}

my @jpeg_ext = ("jpg", "jpg", "jpg", "jpg", "jpeg", "JPG");
my @other_ext = ("txt", "dat", "log", "xml", "bin", "html", "json", "c", "h", "png", "gif");
my (@jpegs, @others); # [path, bytes, group] of originals, for copies and near copies
my %group_size;       # group id => files in it
my ($made, $folders, $jpeg_files, $jpeg_copies, $near_copies, $other_files, $other_copies,
    $bytes) = (0) x 8;
my $id = 0;
my @queue = ("");
mkdir $dir or die "make-tree.sh: $dir: $!\n";
mkdir $twin or die "make-tree.sh: $twin: $!\n" if $twin ne "";

# Breadth first; a folder is made only when its turn comes, so none is left empty for want
# of entries.
FOLDER: while (@queue) {
    my $folder = shift @queue;
    if ($folder ne "") {
        last FOLDER if $made >= $entries;
        ++$made;
        ++$folders;
        mkdir "$dir/$folder" or die "make-tree.sh: $dir/$folder: $!\n";
        mkdir "$twin/$folder" or die "make-tree.sh: $twin/$folder: $!\n" if $twin ne "";
    }
    my $count = 1 + int(rand(2 * $files - 1));
    for (1 .. $count) {
        last FOLDER if $made >= $entries;
        ++$made;
        ++$id;
        my $is_jpeg = rand(100) < $image_share;
        my $copy = rand(100) < $copy_share;
        my $name;
        my $data;
        if ($is_jpeg) {
            ++$jpeg_files;
            $name = sprintf "img_%07d.%s", $id, $jpeg_ext[int(rand(@jpeg_ext))];
            if ($copy && @jpegs) {
                my $source = $jpegs[int(rand(@jpegs))];
                $data = $source->[1];
                ++$group_size{$source->[2]};
                ++$jpeg_copies;
            } elsif (rand(100) < $near_share && @jpegs) {
                my $source = $jpegs[int(rand(@jpegs))];
                $data = $source->[1];
                substr($data, -8) = pack "NN", $id, 0x6e656172 if length $data >= 8;
                ++$near_copies;
                # Its own group, which may in turn be copied.
                push @jpegs, ["", $data, "j$id"] if length $data >= 8;
                $group_size{"j$id"} = 1;
            } else {
                $data = content($id, log_size($min_size, $max_size));
                push @jpegs, ["", $data, "j$id"];
                $group_size{"j$id"} = 1;
            }
            # Keep the pool of sources bounded so memory stays small on large trees.
            splice(@jpegs, int(rand(@jpegs)), 1) if @jpegs > 2000;
        } else {
            ++$other_files;
            $name = sprintf "doc_%07d.%s", $id, $other_ext[int(rand(@other_ext))];
            if ($copy && @others) {
                my $source = $others[int(rand(@others))];
                $data = $source->[1];
                ++$group_size{$source->[2]};
                ++$other_copies;
            } else {
                $data = content($id, log_size(64, $other_max));
                push @others, ["", $data, "o$id"];
                $group_size{"o$id"} = 1;
                splice(@others, int(rand(@others)), 1) if @others > 2000;
            }
        }
        my $relative = $folder eq "" ? $name : "$folder/$name";
        write_file("$dir/$relative", $data);
        $bytes += length $data;
        if ($is_jpeg && $twin ne "") {
            link "$dir/$relative", "$twin/$relative" or die "make-tree.sh: $twin/$relative: $!\n";
        }
    }
    push @queue, sprintf("%s%s%03d", $folder eq "" ? "" : "$folder/", "dir", $_) for 1 .. $fanout;
}

my ($pairs, $other_pairs) = (0, 0);
while (my ($group, $size) = each %group_size) {
    if ($group =~ /^j/) { $pairs += $size * ($size - 1) / 2 } else { $other_pairs += $size * ($size - 1) / 2 }
}
print "entries=$made\nfolders=$folders\nfiles=", $jpeg_files + $other_files, "\n",
    "jpeg_files=$jpeg_files\njpeg_copies=$jpeg_copies\njpeg_near_copies=$near_copies\n",
    "jpeg_pairs=$pairs\nother_files=$other_files\nother_copies=$other_copies\n",
    "other_pairs=$other_pairs\nall_pairs=", $pairs + $other_pairs, "\n",
    "bytes=$bytes\n";
' "$dir" "$twin" "$entries" "$image_share" "$copy_share" "$near_share" "$files" "$fanout" \
    "$min_size" "$max_size" "$other_max" "$seed"
