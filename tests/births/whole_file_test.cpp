// SPDX-FileCopyrightText: 2026 The Quorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whole files written atomically: a complete new file or none, the old one untouched on any failure, no
// temporary file left behind; and the births file's notice of a change made by another program.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "births/births_file.h"
#include "births/whole_file.h"
#include "l10n/core_texts.h"
#include "l10n/sentences.h"

using namespace quorvane;

namespace {

// A reason as an English reader reads it.
std::string En(const l10n::Sentence& said) {
    return l10n::Render("en", said);
}

// A fresh folder, removed with everything in it afterwards.
class Folder {
public:
    Folder() {
        char name[] = "/tmp/quorvane-whole-file-XXXXXX";
        path_ = ::mkdtemp(name);
    }
    ~Folder() {
        ::chmod(path_.c_str(), 0700);
        for (const std::string& entry : Entries()) {
            const std::string at = path_ + "/" + entry;
            ::chmod(at.c_str(), 0700);
            if (::unlink(at.c_str()) != 0) ::rmdir(at.c_str());
        }
        ::rmdir(path_.c_str());
    }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        if (DIR* dir = ::opendir(path_.c_str())) {
            while (const dirent* entry = ::readdir(dir))
                if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                    names.push_back(entry->d_name);
            ::closedir(dir);
        }
        return names;
    }

private:
    std::string path_;
};

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

mode_t ModeOf(const std::string& path) {
    struct stat info = {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

}  // namespace

TEST(WholeFile, WritesANewFileAndReplacesAnOldOneKeepingItsPermissions) {
    Folder folder;
    const std::string path = folder / "book.aaf";
    ASSERT_TRUE(WriteWholeFile(path, "first\n").empty());
    EXPECT_EQ(Contents(path), "first\n");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(ModeOf(path), 0666 & ~mask) << "a new file as any program would make it, not the temporary file's 0600";

    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteWholeFile(path, std::string(300'000, 'x')).empty());
    EXPECT_EQ(Contents(path), std::string(300'000, 'x'));
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"book.aaf"}) << "no temporary file is left";

    // Through a symbolic link, the file it points to is replaced and the link stays.
    const std::string link = folder / "link.aaf";
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    ASSERT_TRUE(WriteWholeFile(link, "through the link\n").empty());
    struct stat info = {};
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(Contents(path), "through the link\n");
}

TEST(WholeFile, AFailureLeavesTheOldFileAndNoTemporaryFile) {
    Folder folder;
    const std::string path = folder / "book.aaf";
    Put(path, "the old book\n");

    // No such folder.
    EXPECT_FALSE(WriteWholeFile(folder / "no such folder/book.aaf", "x").empty());
    // A folder where the file should be: the rename cannot replace it.
    ASSERT_EQ(::mkdir((folder / "taken.aaf").c_str(), 0700), 0);
    EXPECT_EQ(En(WriteWholeFile(folder / "taken.aaf", "x")), "Is a directory");
    // A file where a folder should be.
    EXPECT_EQ(En(WriteWholeFile(path + "/inside.aaf", "x")), "Not a directory");

    // The disk full halfway through: a file size limit stops the write after its first bytes.
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string why = En(WriteWholeFile(path, std::string(100'000, 'n')));
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(why, "File too large");

    EXPECT_EQ(Contents(path), "the old book\n");
    std::vector<std::string> entries = folder.Entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"book.aaf", "taken.aaf"})) << "no temporary file is left";
}

TEST(WholeFile, AFolderThatMayNotBeWrittenRefusesAndKeepsTheFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
    Folder folder;
    const std::string path = folder / "book.aaf";
    Put(path, "the old book\n");
    ::chmod(folder.Path().c_str(), 0500);
    EXPECT_EQ(En(WriteWholeFile(path, "new")), "Permission denied");
    ::chmod(folder.Path().c_str(), 0700);
    EXPECT_EQ(Contents(path), "the old book\n");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"book.aaf"});
}

TEST(WholeFile, ReadsWholeFilesAndSaysWhyNot) {
    Folder folder;
    const std::string path = folder / "book.aaf";
    Put(path, std::string(200'000, 'r'));
    EXPECT_EQ(ReadWholeFile(path, 1 << 20).Bytes, std::string(200'000, 'r'));
    const WholeFile tooBig = ReadWholeFile(path, 1000);
    EXPECT_FALSE(tooBig.Bytes);
    EXPECT_EQ(En(tooBig.Problem), "the file is too big to be a births file");
    const WholeFile missing = ReadWholeFile(folder / "missing.aaf", 1000);
    EXPECT_FALSE(missing.Bytes);
    EXPECT_EQ(En(missing.Problem), "No such file or directory");
    EXPECT_EQ(En(ReadWholeFile(folder.Path(), 1000).Problem), "Is a directory");
}

TEST(BirthsFileOnDisk, SavesWholeAndNoticesAnotherProgramsChange) {
    Folder folder;
    const std::string path = folder / "family.aaf";
    const std::string aaf = "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n#B93:*,49n05,8e11,1he00,0\n";
    Put(path, aaf);
    BirthsFile::Opened opened = BirthsFile::Read(path);
    ASSERT_TRUE(opened.File) << l10n::English(opened.Refusal);
    BirthsFile& file = *opened.File;
    EXPECT_FALSE(file.ChangedOnDisk());
    Put(path, aaf + "#COM:added elsewhere\n");
    EXPECT_TRUE(file.ChangedOnDisk());

    // Saved as CSV elsewhere: the file follows the new path; our own save is no change by another program.
    const std::string csv = folder / "family.csv";
    ASSERT_TRUE(file.WriteTo(csv, BirthsFormat::Csv).empty());
    EXPECT_EQ(file.Path, csv);
    EXPECT_EQ(Contents(csv), "name,date,time,zone,dst,lat,lon\nTobias Ferber,1970-09-27,11:04,20,0,49N05,8E11\n");
    EXPECT_FALSE(file.ChangedOnDisk());
    ::unlink(csv.c_str());
    EXPECT_FALSE(file.ChangedOnDisk()) << "a file that is gone is overwritten by nothing";

    // A failed save changes neither the path nor the format.
    EXPECT_EQ(En(file.WriteTo(folder / "no such folder/x.aaf", BirthsFormat::Aaf)), "No such file or directory");
    EXPECT_EQ(file.Path, csv);
    EXPECT_EQ(file.Format, BirthsFormat::Csv);

    EXPECT_EQ(l10n::English(BirthsFile::Read(folder / "missing.aaf").Refusal), "No such file or directory");
    EXPECT_EQ(FormatOfPath("/x/Book.CSV"), BirthsFormat::Csv);
    EXPECT_EQ(FormatOfPath("/x/book.csv.aaf"), BirthsFormat::Aaf);
}

namespace {

// A reason is said in the reader's language; a system message the catalogue has no words for keeps the
// C library's.
TEST(WholeFile, ReasonsReadInTheReadersLanguage) {
    Folder folder;
    const l10n::Sentence missing = ReadWholeFile(folder / "missing.aaf", 1000).Problem;
    EXPECT_EQ(l10n::Render("de", missing), "Datei oder Verzeichnis nicht gefunden");
    const l10n::Sentence noFolder = WriteWholeFile(folder / "missing.aaf/inside.aaf", "x");
    for (const std::string_view language : l10n::TranslatedLanguages()) {
        SCOPED_TRACE(std::string(language));
        EXPECT_NE(l10n::Render(language, missing), En(missing));
        EXPECT_NE(l10n::Render(language, noFolder), En(noFolder));
        EXPECT_EQ(l10n::Render(language, l10n::SystemError(EXDEV)), std::strerror(EXDEV));
    }
}

}  // namespace
