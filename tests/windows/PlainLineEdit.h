// Qt's own line editing with nothing of the program behind it. What a key does
// to a line edit (how much Delete or Backspace takes, where a paste goes) is
// Qt's to decide, so the soak does not work it out: it asks a line edit that is
// never shown, put into a field's state (text, caret, selection) and given the
// same key. A Qt that edits differently changes both alike.
#pragma once

#include <QLineEdit>
#include <QString>

#include <functional>

namespace soak {

class PlainLineEdit {
public:
    struct Outcome {
        QString text;
        int caret = 0;
    };

    using Key = std::function<void(QLineEdit*)>;

    // What `key` leaves in a line edit in `field`'s state, read-only as given.
    Outcome after(const QLineEdit& field, bool readOnly, const Key& key);

private:
    QLineEdit edit_;
};

} // namespace soak
