// The design file reader, both versions, on any bytes: a read either refuses
// the bytes and leaves the design as it was, or gives a design that writes as
// version 1.2 and reads back to the same design and the same bytes. A version
// 1.2 file writes back as it was read, and its JSON form converts back to it.
#include "DesignChecks.h"
#include "FuzzTarget.h"

#include "core/document/DesignFile.h"
#include "core/document/DesignJson.h"

#include <sstream>
#include <string>

namespace {

using kirabellum::DesignDocument;
using kirabellum::DesignFileVersion;

std::string written(const DesignDocument& design) {
    std::ostringstream stream;
    fuzz::require(kirabellum::WriteDesignFile(stream, design).ok(),
                  "a design that was read can be written");
    return stream.str();
}

DesignDocument readBack(const std::string& bytes, const DesignDocument& like) {
    DesignDocument design = fuzz::unreadDesign(like);
    std::istringstream stream(bytes);
    fuzz::require(kirabellum::ReadDesignFile(stream, DesignFileVersion::V1_2, design).ok(),
                  "a written design file reads back");
    return design;
}

// The JSON form holds the same design whenever it can express it.
void checkJsonForm(const DesignDocument& design, const std::string& file) {
    QByteArray json;
    if (!kirabellum::designToJson(design, json).ok())
        return;
    DesignDocument converted = fuzz::unreadDesign(design);
    fuzz::require(kirabellum::designFromJson(json, converted).ok(),
                  "the JSON form of a design file reads back");
    fuzz::require(written(converted) == file, "a design file converted to JSON and back is the "
                                              "same, byte for byte");
}

void checkVersion(const std::string& bytes, DesignFileVersion version) {
    DesignDocument design = fuzz::startingDesign();
    const DesignDocument before = design;
    std::istringstream stream(bytes);
    if (!kirabellum::ReadDesignFile(stream, version, design).ok()) {
        fuzz::requireUntouched(design, before);
        return;
    }
    fuzz::requireRenderCancelKept(design, before);

    const std::string first = written(design);
    if (version == DesignFileVersion::V1_2)
        fuzz::require(first == bytes, "a version 1.2 file writes back byte for byte");
    const DesignDocument reread = readBack(first, design);
    fuzz::require(reread.sameDesignAs(design), "a written design reads back as the same design");
    fuzz::require(written(reread) == first, "a design read back writes the same bytes again");
    checkJsonForm(design, first);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkVersion(bytes, DesignFileVersion::V1_1);
    checkVersion(bytes, DesignFileVersion::V1_2);
    return 0;
}
