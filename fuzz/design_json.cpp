// The JSON design reader on any text: a read either refuses the text and
// leaves the design as it was, or gives a design whose JSON form reads back to
// an equal design and writes the identical text again.
#include "DesignChecks.h"
#include "FuzzTarget.h"

#include "core/document/DesignJson.h"

namespace {

using kirabellum::DesignDocument;

QByteArray written(const DesignDocument& design) {
    QByteArray json;
    fuzz::require(kirabellum::designToJson(design, json).ok(),
                  "a design read from JSON can be written as JSON");
    return json;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    DesignDocument design = fuzz::startingDesign();
    const DesignDocument before = design;
    if (!kirabellum::designFromJson(text, design).ok()) {
        fuzz::requireUntouched(design, before);
        return 0;
    }
    fuzz::requireRenderCancelKept(design, before);

    const QByteArray first = written(design);
    DesignDocument reread = fuzz::unreadDesign(design);
    fuzz::require(kirabellum::designFromJson(first, reread).ok(), "written JSON reads back");
    fuzz::require(reread.sameDesignAs(design), "written JSON reads back as the same design");
    fuzz::require(written(reread) == first, "a design read back writes the same JSON text");
    return 0;
}
