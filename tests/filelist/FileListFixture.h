#pragma once

#include "filelist/TTreeFileList.h"

#include "tests/support/HermeticEnvironment.h"
#include "tests/support/TempTree.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace kestrom::test {

// A file list over drive C:, which is a fresh temporary tree.
class FileListFixture : public ::testing::Test {
protected:
    // Every item as its kind letter and caption: "G anim".
    static QStringList rows(const TTreeFileList& list) {
        QStringList result;
        for (int i = 0; i < list.Count(); ++i)
            result.append(QString(list.TreeView ? list.TreeItemType(i) : list.ItemType(i)) + u' ' +
                          list.ItemCaption(i));
        return result;
    }
    // The rows without the drive items.
    static QStringList rowsBelowDrives(const TTreeFileList& list) {
        QStringList result = rows(list);
        result.removeIf([](const QString& row) { return row.startsWith(u'D'); });
        return result;
    }

    TempTree tree{HermeticEnvironment::driveC()};
};

} // namespace kestrom::test
