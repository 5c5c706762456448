// Feeds every file of one target's corpus through its harness once, so that
// every test run tries the seeds and the inputs of earlier findings. A broken
// property aborts the process; the file named last is the one that broke it.
#include "FuzzTarget.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <iostream>

TEST(FuzzCorpus, EveryInputKeepsItsProperties) {
    const QDir corpus(QStringLiteral(FUZZ_CORPUS_DIR));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty()) << "no inputs in " << FUZZ_CORPUS_DIR;
    for (const QString& name : names) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        std::cerr << "input " << name.toStdString() << std::endl;
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size()));
    }
}
