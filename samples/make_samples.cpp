// Writes the sample designs into a folder: make_samples FOLDER.
#include "core/document/DesignFormat.h"
#include "core/editing/SampleDesigns.h"

#include <QCoreApplication>
#include <QDir>

#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::cerr << "Usage: make_samples FOLDER\n";
        return 2;
    }
    const QDir folder(arguments[1]);
    for (const kirabellum::SampleDesign& sample : kirabellum::sampleDesigns()) {
        const QString path = folder.filePath(sample.fileName);
        // Each sample is kept in the form its name gives: the designs with
        // layer effects as JSON, which holds them.
        const common::Status status =
            kirabellum::DesignFormat::forPath(path)->write(path, sample.design);
        if (!status.ok()) {
            std::cerr << status.message().toStdString() << '\n';
            return 1;
        }
        std::cout << "Wrote " << path.toStdString() << '\n';
    }
    return 0;
}
