"""whole_file.py: writing a file through a temporary one, so that a failed write leaves none."""
import contextlib
import os
import stat
import tempfile


def write_whole(write, path):
    """Calls write(name) to write the file at path into a temporary file beside it, then renames
    that over the path once complete, so that a failure (a full disk, a writer's error, Ctrl-C)
    leaves no part of a file and an older file of that name as it was. The file gets the older
    file's mode, or a new file's. A path that is not a regular file, or in a folder where no file
    can be made, is written straight."""
    target = os.path.realpath(path)  # a symbolic link goes on naming the file
    folder, name = os.path.split(target)
    try:
        mode = stat.S_IMODE(os.stat(target).st_mode) if os.path.lexists(target) else None
        if mode is None:
            umask = os.umask(0)
            os.umask(umask)
            mode = 0o666 & ~umask
        elif not os.path.isfile(target):
            raise IsADirectoryError  # or another kind of file: not to be replaced
        # A short name, so that a target name of the longest length has room for one too, with
        # the path's own ending, which some writers take the format from.
        handle, temporary = tempfile.mkstemp(prefix=".", suffix=os.path.splitext(name)[1],
                                             dir=folder)
    except OSError:
        write(path)
        return
    os.close(handle)
    try:
        write(temporary)
        os.chmod(temporary, mode)
        os.replace(temporary, target)
    except BaseException:
        with contextlib.suppress(OSError):
            os.unlink(temporary)
        raise
