// Where the pictures of the shapes are looked for, and in which order.
#include "base/PictureSearch.h"
#include "base/ProgramFacts.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PictureSearch : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_root.isValid());
        const QDir root(m_root.path());
        ASSERT_TRUE(root.mkpath(QStringLiteral("work")));
        ASSERT_TRUE(root.mkpath(QStringLiteral("program/bin")));
        m_current = root.filePath(QStringLiteral("work"));
        m_programFolder = root.filePath(QStringLiteral("program/bin"));
        // The installed data folder as the build places it beside the program's folder.
        m_installed = QDir::cleanPath(QDir(m_programFolder).filePath(kDataFolderFromProgram));
        ASSERT_TRUE(root.mkpath(m_installed));
        m_folders = pictureFolders(m_current, m_programFolder);
    }

    static QString put(const QString& folder) {
        QDir(folder).mkpath(QStringLiteral("image"));
        const QString path = QDir(folder).filePath(QStringLiteral("image/1.jpg"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return path;
    }

    QTemporaryDir m_root;
    QString m_current, m_programFolder, m_installed;
    QStringList m_folders;
    const QString m_picture = QStringLiteral("image/1.jpg");
};

TEST_F(PictureSearch, FoldersAreCurrentThenProgramThenInstalledData) {
    EXPECT_EQ(m_folders, (QStringList{m_current, m_programFolder, m_installed}));
}

TEST_F(PictureSearch, CurrentFolderComesFirst) {
    const QString inCurrent = put(m_current);
    put(m_programFolder);
    put(m_installed);
    EXPECT_EQ(findPicture(m_picture, m_folders), inCurrent);
}

TEST_F(PictureSearch, ProgramFolderBeforeInstalledData) {
    const QString besideProgram = put(m_programFolder);
    put(m_installed);
    EXPECT_EQ(findPicture(m_picture, m_folders), besideProgram);
}

TEST_F(PictureSearch, InstalledDataLast) {
    const QString installed = put(m_installed);
    EXPECT_EQ(findPicture(m_picture, m_folders), installed);
}

TEST_F(PictureSearch, MissingEverywhereNamesTheCurrentFolder) {
    EXPECT_EQ(findPicture(m_picture, m_folders), QDir(m_current).filePath(m_picture));
}

TEST_F(PictureSearch, AFolderOfThePictureNameIsNoPicture) {
    QDir(m_current).mkpath(m_picture);
    const QString besideProgram = put(m_programFolder);
    EXPECT_EQ(findPicture(m_picture, m_folders), besideProgram);
}

} // namespace
