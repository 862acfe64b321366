#pragma once
// The folder of a fuzz target's process for the files it writes: made once, removed at the
// process's exit, and in memory where the machine has /dev/shm, since the programs sync every file
// they save and a disk shared with other work would make that most of a run's time.

#include "fuzz/FuzzCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

namespace fuzz {

inline const QTemporaryDir& ScratchDir()
{
    static const QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                       ? QStringLiteral("/dev/shm/fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/fuzz-XXXXXX"));
    FUZZ_CHECK(dir.isValid());
    return dir;
}

} // namespace fuzz
