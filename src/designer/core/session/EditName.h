#pragma once

#include <QString>

struct QMetaObject;

namespace kirabellum {

// What an edit of the design changes, as the Edit menu's undo and redo entries
// name it: the caption a window shows for the value, kept untranslated with
// the window's translation context, so that the entries follow a switch of
// the language.
class EditName {
public:
    EditName() = default;
    // `caption` is a text marked for translation in `context`'s class.
    EditName(const QMetaObject& context, const char* caption);

    // The caption in the language of the moment; empty for no name.
    QString text() const;

private:
    const char* context_ = nullptr;
    const char* caption_ = nullptr;
};

} // namespace kirabellum
