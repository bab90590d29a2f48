#include "teams/TeamPackage.h"
#include "teams/Teams.h"
#include "teams/ZipReading.h"

#include "doubles/FullDisk.h"
#include "shared/FileText.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <quazip/quacrc32.h>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

namespace {

// Every file under `folder` with its bytes, by relative name.
QMap<QString, QByteArray> Contents(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        files.insert(QDir(folder).relativeFilePath(f.fileName()), f.readAll());
    }
    return files;
}

class TeamPackageTest : public ::testing::Test {
  protected:
    QString Data() const { return data.path(); }
    QString Teams() const { return TeamsFolder(data.path()); }
    QStringList TeamFolders() const {
        return QDir(Teams()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                                       QDir::Name);
    }
    QTemporaryDir data;
    QTemporaryDir packages;
};

TEST_F(TeamPackageTest, AnExportedTeamComesBackByteForByteAndAnExistingOneAsTheOperatorSays) {
    const QString source = QStringLiteral(BRIVANTA_DATA "/Teams/Aquile Volley");
    const QString file = packages.filePath(QStringLiteral("aquile.brivanta-team"));
    ASSERT_TRUE(
        TeamPackage::Export(QStringLiteral(BRIVANTA_DATA), QStringLiteral("Aquile Volley"), file)
            .ok);

    const TeamPackage::Outcome first =
        TeamPackage::Import(Data(), file, TeamPackage::Existing::Refuse);
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    EXPECT_EQ(Contents(source), Contents(TeamFolder(Data(), QStringLiteral("Aquile Volley"))));

    const TeamPackage::Outcome refused =
        TeamPackage::Import(Data(), file, TeamPackage::Existing::Refuse);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.contains(QStringLiteral("already there")));
    const TeamPackage::Outcome both =
        TeamPackage::Import(Data(), file, TeamPackage::Existing::KeepBoth);
    EXPECT_EQ(QStringLiteral("Aquile Volley (2)"), both.team);
    QFile::remove(TeamFolder(Data(), QStringLiteral("Aquile Volley")) +
                  QStringLiteral("/team.csv"));
    ASSERT_TRUE(TeamPackage::Import(Data(), file, TeamPackage::Existing::Replace).ok);
    EXPECT_EQ(Contents(source), Contents(TeamFolder(Data(), QStringLiteral("Aquile Volley"))));
    EXPECT_EQ((QStringList{"Aquile Volley", "Aquile Volley (2)"}), TeamFolders());
}

struct Entry {
    QString name;
    QByteArray data;
    quint32 attributes = 0;
    qint64 claimedSize = -1; // a header that lies, written raw
};

struct Hostile {
    const char* name;
    std::function<std::vector<Entry>()> entries;
    bool importsTheRest = false;
};

QByteArray ManifestOf(int format = 1) {
    return "{\"format\":" + QByteArray::number(format) +
           ",\"team\":\"Ospiti Strani\",\"files\":[]}";
}

std::vector<Entry> Normal() {
    return {{QStringLiteral("manifest.json"), ManifestOf()},
            {QStringLiteral("team.csv"), "7;Rossi;Anna;;\r\n"}};
}

void Write(const QString& path, const std::vector<Entry>& entries) {
    QuaZip zip(path);
    ASSERT_TRUE(zip.open(QuaZip::mdCreate));
    for (const Entry& e : entries) {
        QuaZipNewInfo info(e.name);
        info.externalAttr = e.attributes;
        QuaZipFile out(&zip);
        if (e.claimedSize >= 0) {
            info.uncompressedSize = static_cast<quint64>(e.claimedSize);
            QuaCrc32 crc;
            ASSERT_TRUE(
                out.open(QIODevice::WriteOnly, info, nullptr, crc.calculate(e.data), 0, 0, true));
            out.write(e.data);
            out.close();
        } else {
            ASSERT_TRUE(out.open(QIODevice::WriteOnly, info));
            out.write(e.data);
            out.close();
        }
    }
    zip.close();
}

// A full disk: neither an import nor an export leaves anything half-made, and both say the
// system's reason, as the operator is promised.
TEST_F(TeamPackageTest, AFullDiskRefusesWithTheSystemsReason) {
    const QString file = packages.filePath(QStringLiteral("aquile.brivanta-team"));
    ASSERT_TRUE(
        TeamPackage::Export(QStringLiteral(BRIVANTA_DATA), QStringLiteral("Aquile Volley"), file)
            .ok);
    FullDisk disk;
    ASSERT_TRUE(QDir().mkpath(TeamsFolder(disk.path())));
    const QString old = QDir(disk.path()).filePath(QStringLiteral("old.brivanta-team"));
    const QByteArray before("an older package");
    ASSERT_TRUE(WriteWholeFile(old, before));
    disk.fill();

    const TeamPackage::Outcome imported =
        TeamPackage::Import(disk.path(), file, TeamPackage::Existing::Refuse);
    EXPECT_FALSE(imported.ok);
    EXPECT_TRUE(imported.error.endsWith(QStringLiteral(": ") + disk.reason()))
        << imported.error.toStdString();
    EXPECT_EQ(QStringList(),
              QDir(TeamsFolder(disk.path()))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

    const TeamPackage::Outcome exported =
        TeamPackage::Export(QStringLiteral(BRIVANTA_DATA), QStringLiteral("Aquile Volley"), old);
    EXPECT_FALSE(exported.ok);
    EXPECT_TRUE(exported.error.endsWith(QStringLiteral(": ") + disk.reason()))
        << exported.error.toStdString();
    QFile left(old);
    ASSERT_TRUE(left.open(QIODevice::ReadOnly));
    EXPECT_EQ(before, left.readAll()) << "the package there before is whole";
}

class HostilePackageTest : public TeamPackageTest, public ::testing::WithParamInterface<Hostile> {};

TEST_P(HostilePackageTest, IsRefusedWithNothingWrittenOrTakenWithoutWhatIsBad) {
    const QString file = packages.filePath(QStringLiteral("p.brivanta-team"));
    Write(file, GetParam().entries());
    const TeamPackage::Outcome o = TeamPackage::Import(Data(), file, TeamPackage::Existing::Refuse);
    if (GetParam().importsTheRest) {
        ASSERT_TRUE(o.ok) << o.error.toStdString();
        EXPECT_EQ(1, o.keptOut.size());
        EXPECT_EQ((QStringList{"team.csv"}), Contents(TeamFolder(Data(), o.team)).keys());
        return;
    }
    EXPECT_FALSE(o.ok);
    EXPECT_FALSE(o.error.isEmpty());
    EXPECT_TRUE(TeamFolders().isEmpty()) << TeamFolders().join(u',').toStdString();
    EXPECT_FALSE(QFileInfo::exists(QDir(data.path()).filePath(QStringLiteral("evil.txt"))));
}

INSTANTIATE_TEST_SUITE_P(
    Packages, HostilePackageTest,
    ::testing::Values(Hostile{"traversal",
                              [] {
                                  auto e = Normal();
                                  e.push_back({"../../evil.txt", "x"});
                                  return e;
                              }},
                      Hostile{"absolute",
                              [] {
                                  auto e = Normal();
                                  e.push_back({"/tmp/evil.txt", "x"});
                                  return e;
                              }},
                      Hostile{"backslash",
                              [] {
                                  auto e = Normal();
                                  e.push_back({"..\\evil.txt", "x"});
                                  return e;
                              }},
                      Hostile{"drive_letter",
                              [] {
                                  auto e = Normal();
                                  e.push_back({"C:evil.txt", "x"});
                                  return e;
                              }},
                      Hostile{"link",
                              [] {
                                  auto e = Normal();
                                  e.push_back({"photo.jpg", "/etc/passwd", 0120777u << 16});
                                  return e;
                              }},
                      Hostile{"many_entries",
                              [] {
                                  auto e = Normal();
                                  for (int i = 0; i < ZipReading::MaxEntries + 1; ++i)
                                      e.push_back({QStringLiteral("f%1.txt").arg(i), "x"});
                                  return e;
                              }},
                      Hostile{"header_lies_about_its_size",
                              [] {
                                  auto e = Normal();
                                  e.push_back({"1.mp3", QByteArray(5000, 'a'), 0, 10});
                                  return e;
                              }},
                      Hostile{"bomb",
                              [] {
                                  auto e = Normal();
                                  e.push_back({"1.mp3", QByteArray(8 * 1024 * 1024, '\0')});
                                  return e;
                              }},
                      Hostile{"entry_over_20_mb",
                              [] {
                                  auto e = Normal();
                                  QByteArray big(ZipReading::MaxEntry + 1, 'x');
                                  for (qsizetype i = 0; i < big.size(); i += 7)
                                      big[i] = static_cast<char>(i * 31);
                                  e.push_back({"1.mp3", big});
                                  return e;
                              }},
                      Hostile{"team_csv_that_does_not_read",
                              [] {
                                  return std::vector<Entry>{{"manifest.json", ManifestOf()}};
                              }},
                      Hostile{"newer_format",
                              [] {
                                  return std::vector<Entry>{{"manifest.json", ManifestOf(2)},
                                                            {"team.csv", "7;Rossi;;;\r\n"}};
                              }},
                      Hostile{"no_manifest",
                              [] {
                                  return std::vector<Entry>{{"team.csv", "7;Rossi;;;\r\n"}};
                              }},
                      Hostile{"photo_that_is_not_a_picture",
                              [] {
                                  auto e = Normal();
                                  e.push_back({"7.jpg", "this is a letter"});
                                  return e;
                              },
                              true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
