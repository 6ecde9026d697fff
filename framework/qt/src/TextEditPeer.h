// What the peers of a text field and a text area share: the user's text goes to
// the model, whose TextChange handlers may rewrite it on the spot, so the peer
// shows the model's text once they are done, and not what they write meanwhile;
// and the text's colours.
#pragma once

#include "ControlPeer.h"
#include "Styling.h"

#include <string>

namespace fw::qt {

template <class Model, class View> class TextEditPeer : public ControlPeerOf<Model, View> {
protected:
    using ControlPeerOf<Model, View>::ControlPeerOf;

    // What the user made of the text.
    void edited(const std::string& text)
    {
        editing_ = true;
        if (!this->reportUserChange([&] { this->model().userEdited(text); }))
            return; // a handler closed the control itself
        editing_ = false;
        showEditRewritten();
    }
    // The share of an aspect that both kinds show alike; each kind's show starts with it.
    void showShared(Aspect aspect)
    {
        if (aspect == Aspect::Text && !editing_)
            showModelText();
        else if (aspect == Aspect::Colors)
            ApplyTextColors(this->view(), this->model());
    }
    // The program changed the text.
    virtual void showModelText() = 0;
    // The text as the handlers left it after the user's own edit of this control.
    virtual void showEditRewritten() { showModelText(); }

private:
    bool editing_ = false;
};

} // namespace fw::qt
