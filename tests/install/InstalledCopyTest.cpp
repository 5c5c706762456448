#include "CommandRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using common::test::runProgramWithoutDisplay;

namespace {

const QDir prefix(QStringLiteral(INSTALL_PREFIX));
const QDir source(QStringLiteral(KIRABELLUM_SOURCE_DIR));
const QStringList programs = {QStringLiteral("kirabellum"), QStringLiteral("koratune")};
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

QString text(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// The values of one key of a program's menu entry, as "A;B;" lists them.
QString desktopEntry(const QString& program, const QString& key) {
    const QString entry =
        text(installed(QStringLiteral("share/applications/%1.desktop").arg(program)));
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
    for (const QString& program : programs) {
        expected << QStringLiteral("bin/") + program
                 << QStringLiteral("share/applications/%1.desktop").arg(program)
                 << QStringLiteral("share/metainfo/%1.metainfo.xml").arg(program)
                 << QStringLiteral("share/man/man1/%1.1.gz").arg(program)
                 << QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(program);
        for (int size : iconSizes)
            expected
                << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(program);
    }
    expected << QStringLiteral("share/mime/packages/kirabellum.xml")
             << QStringLiteral("share/doc/kirabellum/copyright")
             << QStringLiteral("share/doc/kirabellum/changelog.gz");

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
    for (const QString& program : programs)
        for (int size : iconSizes) {
            const QImage icon(installed(
                QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(program)));
            EXPECT_EQ(icon.size(), QSize(size, size)) << program.toStdString() << " " << size;
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
    for (const QString& program : programs) {
        const ToolRun check =
            run(QStringLiteral("desktop-file-validate"),
                {installed(QStringLiteral("share/applications/%1.desktop").arg(program))});
        EXPECT_EQ(check.exitCode, 0) << check.all().toStdString();
        EXPECT_EQ(check.all().toStdString(), "");
        EXPECT_TRUE(desktopEntry(program, QStringLiteral("Categories"))
                        .split(QLatin1Char(';'))
                        .contains(QStringLiteral("Graphics")));
    }
}

// validate-tree also checks that each component's menu entry and icon are
// installed beside it. The component names are not reverse domain names, which
// the validator warns about; any other warning or error fails.
TEST(InstalledCopy, MetainfoPassesAppStream) {
    const ToolRun check = run(QStringLiteral("appstreamcli"),
                              {QStringLiteral("validate-tree"), QStringLiteral("--no-net"),
                               QStringLiteral("--no-color"), prefix.path()});
    EXPECT_NE(check.exitCode, -1);
    static const QRegularExpression finding(QStringLiteral("^\\s*[EW]: .*$"),
                                            QRegularExpression::MultilineOption);
    for (auto match = finding.globalMatch(check.all()); match.hasNext();) {
        const QString line = match.next().captured();
        EXPECT_TRUE(line.contains(QStringLiteral("cid-desktopapp-is-not-rdns")))
            << line.toStdString();
    }
    for (const QString& program : programs) {
        const QString metainfo =
            text(installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(program)));
        EXPECT_TRUE(metainfo.contains(QStringLiteral("<binary>%1</binary>").arg(program)));
    }
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
    ASSERT_TRUE(QFile::copy(installed(QStringLiteral("share/mime/packages/kirabellum.xml")),
                            share.filePath(QStringLiteral("mime/packages/kirabellum.xml"))));
    ASSERT_TRUE(QFile::copy(installed(QStringLiteral("share/applications/kirabellum.desktop")),
                            share.filePath(QStringLiteral("applications/kirabellum.desktop"))));
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
        EXPECT_TRUE(handlers.contains(type + QStringLiteral("=kirabellum.desktop;")))
            << design.type;
    }
    EXPECT_EQ(desktopEntry(QStringLiteral("kirabellum"), QStringLiteral("MimeType")).toStdString(),
              (types.join(QLatin1Char(';')) + QLatin1Char(';')).toStdString());
    EXPECT_EQ(desktopEntry(QStringLiteral("kirabellum"), QStringLiteral("Exec")).toStdString(),
              "kirabellum %f");
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
