#include "CommandRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using common::test::runProgramWithoutDisplay;

namespace {

const QDir prefix(QStringLiteral(INSTALL_PREFIX));
const QDir source(QStringLiteral(KIRABELLUM_SOURCE_DIR));
const QStringList programs = {QStringLiteral("kirabellum"), QStringLiteral("koratune")};
// Each program's reverse-domain ID, which names its menu entry, metainfo and icons.
const QStringList ids = {QStringLiteral(KIRABELLUM_ID), QStringLiteral(KORATUNE_ID)};
const QString designerId = ids.constFirst();
const int iconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QString installed(const QString& path) {
    return prefix.filePath(path);
}

struct ToolRun {
    int exitCode; // -1 when the program did not start or crashed
    QString out;
    QString err;
    QString all() const { return out + err; }
};

ToolRun run(const QString& program, const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(30000);
    const bool normal = finished && process.exitStatus() == QProcess::NormalExit;
    return {normal ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// Whether the validator `tool` is on the PATH; without it its test is skipped.
bool installedTool(const QString& tool) {
    return !QStandardPaths::findExecutable(tool).isEmpty();
}

QString text(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// The values of one key of a program's menu entry, as "A;B;" lists them.
QString desktopEntry(const QString& id, const QString& key) {
    const QString entry = text(installed(QStringLiteral("share/applications/%1.desktop").arg(id)));
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key),
                                  QRegularExpression::MultilineOption);
    return line.match(entry).captured(1);
}

} // namespace

// Exactly these files, koratune beside the designer that starts it from its
// own folder, so that nothing is missing and nothing from the build
// tree (tests, tools) leaks into an install.
TEST(InstalledCopy, HoldsTheProgramsAndTheirDesktopFiles) {
    QStringList expected;
    for (qsizetype index = 0; index < programs.size(); ++index) {
        const QString& program = programs[index];
        const QString& id = ids[index];
        expected << QStringLiteral("bin/") + program
                 << QStringLiteral("share/applications/%1.desktop").arg(id)
                 << QStringLiteral("share/metainfo/%1.metainfo.xml").arg(id)
                 << QStringLiteral("share/man/man1/%1.1.gz").arg(program)
                 << QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(id);
        for (int size : iconSizes)
            expected << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id);
    }
    expected << QStringLiteral("share/mime/packages/%1.xml").arg(designerId)
             << QStringLiteral("share/doc/kirabellum/copyright")
             << QStringLiteral("share/doc/kirabellum/changelog.gz")
             << QStringLiteral("share/kirabellum/godot/flipbook_motion_vectors.gdshader");

    QStringList found;
    QDirIterator files(prefix.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        found << prefix.relativeFilePath(files.next());
    found.sort();
    expected.sort();
    EXPECT_EQ(found.join(QLatin1Char('\n')).toStdString(),
              expected.join(QLatin1Char('\n')).toStdString());
    for (const QString& program : programs)
        EXPECT_TRUE(QFileInfo(installed(QStringLiteral("bin/") + program)).isExecutable());
}

TEST(InstalledCopy, IconsHaveTheSizesTheirFoldersName) {
    for (const QString& id : ids)
        for (int size : iconSizes) {
            const QImage icon(installed(
                QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id)));
            EXPECT_EQ(icon.size(), QSize(size, size)) << id.toStdString() << " " << size;
            EXPECT_TRUE(icon.hasAlphaChannel());
        }
}

TEST(InstalledCopy, ProgramsPrintTheVersionsThePackageStates) {
    const struct {
        const char* program;
        const char* version;
    } rows[] = {
        {"kirabellum", "Kirabellum v" KIRABELLUM_VERSION "\n"},
        {"koratune", "Koratune v" KORATUNE_VERSION "\n"},
    };
    for (const auto& row : rows) {
        const QStringList arguments = {QStringLiteral("--version")};
        common::test::expectRun(
            {arguments, 0, row.version, ""},
            runProgramWithoutDisplay(installed(QStringLiteral("bin/") + QLatin1String(row.program)),
                                     arguments));
    }
}

// The installed designer renders the sample as the build tree's does, and the
// installed post-processor lays its strip out, both without a display.
TEST(InstalledCopy, ProgramsRunHeadless) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString strip = work.filePath(QStringLiteral("ring.png"));
    const auto render = runProgramWithoutDisplay(
        installed(QStringLiteral("bin/kirabellum")),
        {QStringLiteral("render"), source.filePath(QStringLiteral("samples/ring.df2")),
         QStringLiteral("-o"), strip});
    ASSERT_EQ(render.exitCode, 0) << render.err.toStdString();
    const QImage expected(source.filePath(QStringLiteral("tests/golden/ring/expected.png")));
    EXPECT_EQ(QImage(strip).convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32));

    const QString sheet = work.filePath(QStringLiteral("sheet.png"));
    const auto process = runProgramWithoutDisplay(
        installed(QStringLiteral("bin/koratune")),
        {QStringLiteral("process"), strip, QStringLiteral("-o"), sheet, QStringLiteral("--frames"),
         QStringLiteral("4"), QStringLiteral("--columns"), QStringLiteral("2")});
    ASSERT_EQ(process.exitCode, 0) << process.err.toStdString();
    EXPECT_EQ(QImage(sheet).size(), QSize(320, 320));
}

TEST(InstalledCopy, DesktopEntriesPassTheirValidator) {
    if (!installedTool(QStringLiteral("desktop-file-validate")))
        GTEST_SKIP() << "desktop-file-validate is not installed";
    for (const QString& id : ids) {
        const ToolRun check =
            run(QStringLiteral("desktop-file-validate"),
                {installed(QStringLiteral("share/applications/%1.desktop").arg(id))});
        EXPECT_EQ(check.exitCode, 0) << check.all().toStdString();
        EXPECT_EQ(check.all().toStdString(), "");
        EXPECT_TRUE(desktopEntry(id, QStringLiteral("Categories"))
                        .split(QLatin1Char(';'))
                        .contains(QStringLiteral("Graphics")));
        EXPECT_EQ(desktopEntry(id, QStringLiteral("Icon")), id);
    }
}

// Each metainfo file passes the validator without an error, a warning or an
// info, and validate-tree also checks that each component's menu entry and
// icon are installed beside it. Of the pedantic hints only the one on the
// capital letter of the IDs' last part is taken, which names the program as
// application IDs commonly do.
TEST(InstalledCopy, MetainfoPassesAppStream) {
    if (!installedTool(QStringLiteral("appstreamcli")))
        GTEST_SKIP() << "appstreamcli is not installed";
    QStringList metainfoFiles;
    for (const QString& id : ids)
        metainfoFiles << installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(id));
    const ToolRun validate =
        run(QStringLiteral("appstreamcli"),
            QStringList{QStringLiteral("validate"), QStringLiteral("--pedantic"),
                        QStringLiteral("--no-net"), QStringLiteral("--no-color")} +
                metainfoFiles);
    EXPECT_EQ(validate.exitCode, 0) << validate.all().toStdString();
    static const QRegularExpression finding(QStringLiteral("^\\s*[EWIP]: .*$"),
                                            QRegularExpression::MultilineOption);
    for (auto match = finding.globalMatch(validate.all()); match.hasNext();) {
        const QString line = match.next().captured();
        EXPECT_TRUE(line.contains(QStringLiteral("P: ")) &&
                    line.contains(QStringLiteral("cid-contains-uppercase-letter")))
            << line.toStdString();
    }
    const ToolRun tree = run(QStringLiteral("appstreamcli"),
                             {QStringLiteral("validate-tree"), QStringLiteral("--no-net"),
                              QStringLiteral("--no-color"), prefix.path()});
    EXPECT_EQ(tree.exitCode, 0) << tree.all().toStdString();
    EXPECT_FALSE(finding.match(tree.all()).hasMatch()) << tree.all().toStdString();
    for (qsizetype index = 0; index < programs.size(); ++index)
        EXPECT_TRUE(text(metainfoFiles[index])
                        .contains(QStringLiteral("<binary>%1</binary>").arg(programs[index])));
}

// A double-click: the MIME database names a design's type by its file name,
// the desktop database gives that type to the designer, whose entry passes
// the file on.
TEST(InstalledCopy, DesignsOpenInTheDesignerByDoubleClick) {
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    const QDir share(data.path());
    ASSERT_TRUE(share.mkpath(QStringLiteral("mime/packages")));
    ASSERT_TRUE(share.mkpath(QStringLiteral("applications")));
    const QString mimePackage = QStringLiteral("mime/packages/%1.xml").arg(designerId);
    const QString entry = QStringLiteral("applications/%1.desktop").arg(designerId);
    ASSERT_TRUE(QFile::copy(installed(QStringLiteral("share/") + mimePackage),
                            share.filePath(mimePackage)));
    ASSERT_TRUE(QFile::copy(installed(QStringLiteral("share/") + entry), share.filePath(entry)));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), share.path());
    environment.insert(QStringLiteral("PKGSYSTEM_ENABLE_FSYNC"), QStringLiteral("0"));
    const ToolRun mime = run(QStringLiteral("update-mime-database"),
                             {share.filePath(QStringLiteral("mime"))}, environment);
    EXPECT_EQ(mime.exitCode, 0);
    EXPECT_EQ(mime.all().toStdString(), "") << "the MIME types do not read cleanly";
    const ToolRun desktop = run(QStringLiteral("update-desktop-database"),
                                {share.filePath(QStringLiteral("applications"))}, environment);
    EXPECT_EQ(desktop.exitCode, 0) << desktop.all().toStdString();

    const QString globs = text(share.filePath(QStringLiteral("mime/globs2")));
    const QString handlers = text(share.filePath(QStringLiteral("applications/mimeinfo.cache")));
    const struct {
        const char* name;
        const char* type;
    } designs[] = {
        {"burst.df2", "application/x-kirabellum-design"},
        {"BURST.DF1", "application/x-kirabellum-design-1.1"},
        {"burst.kirabellum.json", "application/x-kirabellum-design+json"},
    };
    QStringList types;
    for (const auto& design : designs) {
        const QString type = QString::fromLatin1(design.type);
        types << type;
        const QString pattern = QString::fromLatin1(design.name).section(QLatin1Char('.'), 1);
        EXPECT_TRUE(globs.contains(type + QStringLiteral(":*.") + pattern.toLower()))
            << design.name;
        EXPECT_TRUE(handlers.contains(type + QStringLiteral("=%1.desktop;").arg(designerId)))
            << design.type;
    }
    EXPECT_EQ(desktopEntry(designerId, QStringLiteral("MimeType")).toStdString(),
              (types.join(QLatin1Char(';')) + QLatin1Char(';')).toStdString());
    EXPECT_EQ(desktopEntry(designerId, QStringLiteral("Exec")).toStdString(), "kirabellum %f");
}

namespace {

// The words of a help text that name options ("-o", "--seed") or, in the
// program's own usage lines, commands ("render").
QStringList optionsAndCommands(const QString& program, const QString& help) {
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*"));
    const QRegularExpression command(QStringLiteral("^\\s+%1 ([a-z]+)\\b").arg(program),
                                     QRegularExpression::MultilineOption);
    QStringList words;
    for (auto match = option.globalMatch(help); match.hasNext();)
        words << match.next().captured();
    for (auto match = command.globalMatch(help); match.hasNext();)
        words << match.next().captured(1);
    words.removeDuplicates();
    return words;
}

} // namespace

// Every command and option a program's help prints, and each command's own
// help, is in its manual page, which man reads without a warning.
TEST(InstalledCopy, ManualPagesNameEveryCommandAndOption) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("200"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    for (const QString& program : programs) {
        const QString page = installed(QStringLiteral("share/man/man1/%1.1.gz").arg(program));
        const ToolRun manual =
            run(QStringLiteral("man"),
                {QStringLiteral("--warnings"), QStringLiteral("--no-hyphenation"),
                 QStringLiteral("--no-justification"), QStringLiteral("-l"), page},
                environment);
        ASSERT_EQ(manual.exitCode, 0) << manual.err.toStdString();
        EXPECT_EQ(manual.err.toStdString(), "");
        ASSERT_TRUE(manual.out.contains(QStringLiteral("SYNOPSIS")));

        const QString binary = installed(QStringLiteral("bin/") + program);
        const QString help =
            QString::fromUtf8(runProgramWithoutDisplay(binary, {QStringLiteral("--help")}).out);
        QStringList words = optionsAndCommands(program, help);
        ASSERT_FALSE(words.isEmpty());
        for (const QString& word : QStringList(words))
            if (!word.startsWith(QLatin1Char('-')))
                words << optionsAndCommands(
                    program,
                    QString::fromUtf8(
                        runProgramWithoutDisplay(binary, {word, QStringLiteral("--help")}).out));
        words.removeDuplicates();
        for (const QString& word : words) {
            const QRegularExpression named(
                QStringLiteral("(?<![\\w-])%1(?![\\w-])").arg(QRegularExpression::escape(word)));
            EXPECT_TRUE(named.match(manual.out).hasMatch())
                << program.toStdString() << "(1) does not name " << word.toStdString();
        }
    }
}
