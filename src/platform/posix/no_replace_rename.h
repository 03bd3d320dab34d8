// Giving a file a new name in the same file system without ever replacing a
// file that has that name, on every file system the program's folders may
// live on.
#pragma once

namespace ombrel {

// Renames from (in the folder open as fromFolder, or AT_FDCWD) to to (in
// toFolder) unless something has that name. Returns 0, or the errno of the
// failure: EEXIST when to exists. The first way the file system takes:
//  1. a rename that refuses to replace (RENAME_NOREPLACE), one atomic step;
//  2. where the file system has no such rename (EINVAL, ENOSYS, ENOTSUP): a
//     hard link, which fails on an existing name, then the old name removed;
//     if that removal fails, the new name goes again and its error is given;
//  3. where the hard link fails for any other reason (no hard links there,
//     or an I/O error from a WebDAV mount): a check that to is absent, then
//     a plain rename, whose error is the one given. Between the two another
//     process could give to a file, which the rename would replace: the one
//     way that is not atomic (see docs/formats.md). A kill never leaves
//     anything under to but the whole file.
int RenameNoReplace(int fromFolder, const char* from, int toFolder, const char* to);

// The same, for a caller that has recorded to as its own beforehand, so
// that an empty file left under it after a kill is known to be its claim:
//  1. a rename that refuses to replace (RENAME_NOREPLACE);
//  2. where the file system has none: to is claimed by making it, an empty
//     file, only if it does not exist (O_CREAT|O_EXCL, atomic on every file
//     system), and the file is renamed over that claim. A failed rename
//     removes the claim again if it still is an empty file.
// Returns 0, or the errno of the failure: EEXIST when to exists.
int RenameOverOwnClaim(int fromFolder, const char* from, int toFolder, const char* to);

}  // namespace ombrel
