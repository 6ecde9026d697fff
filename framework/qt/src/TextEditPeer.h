// What the peers of a text field and a text area share: the user's text goes to
// the object, whose TextChange handlers may rewrite it on the spot, so the peer
// shows the object's text once they are done, and not what they write meanwhile;
// and the text's colours.
#pragma once

#include "ControlPeer.h"
#include "Styling.h"

#include <string>

namespace fw::qt {

template <class ObjectType, class View> class TextEditPeer : public ControlPeerOf<ObjectType, View> {
protected:
    using ControlPeerOf<ObjectType, View>::ControlPeerOf;

    // What the user made of the text.
    void edited(const std::string& text)
    {
        editing_ = true;
        if (!this->reportUserChange([&] { this->object().userEdited(text); }))
            return; // a handler closed the control itself
        editing_ = false;
        showObjectText();
    }
    // The share of an aspect that both kinds show alike; each kind's show starts with it.
    void showShared(Aspect aspect)
    {
        if (aspect == Aspect::Text && !editing_)
            showObjectText();
        else if (aspect == Aspect::Colors)
            ApplyTextColors(this->view(), this->object());
    }
    virtual void showObjectText() = 0;

private:
    bool editing_ = false;
};

} // namespace fw::qt
