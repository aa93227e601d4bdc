#pragma once

#include <QString>
#include <initializer_list>

class QLineEdit;

namespace brevanta {

// The first of the edits whose text holds a character the data files cannot store (one the
// code page lacks, or a control character), and the message refusing it; `edit` is null when
// every character can be stored.
struct TextRefusal {
    QLineEdit* edit = nullptr;
    QString message;
};
TextRefusal UnstorableText(std::initializer_list<QLineEdit*> edits);

}  // namespace brevanta
