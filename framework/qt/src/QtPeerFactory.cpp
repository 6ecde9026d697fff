#include "QtPeerFactory.h"

#include "ApplicationIdentity.h"
#include "CanvasPeer.h"
#include "GroupBoxPeer.h"
#include "LabelPeer.h"
#include "LinePeer.h"
#include "MenuPeer.h"
#include "PopupMenuPeer.h"
#include "SliderPeer.h"
#include "TextAreaPeer.h"
#include "TextFieldPeer.h"
#include "TimerPeer.h"
#include "WindowPeer.h"

#include <fw/Canvas.h>
#include <fw/GroupBox.h>
#include <fw/Label.h>
#include <fw/Line.h>
#include <fw/MenuItem.h>
#include <fw/PopupMenu.h>
#include <fw/Slider.h>
#include <fw/TextArea.h>
#include <fw/TextField.h>
#include <fw/Timer.h>
#include <fw/Window.h>

namespace fw::qt {

namespace {
template <class P, class M> std::unique_ptr<Peer> controlPeer(M& object)
{
    auto peer = std::make_unique<P>(object);
    peer->attach();
    return peer;
}

std::unique_ptr<Peer> controlPeerOf(Object& object)
{
    if (auto* label = dynamic_cast<Label*>(&object))
        return controlPeer<LabelPeer>(*label);
    if (auto* field = dynamic_cast<TextField*>(&object))
        return controlPeer<TextFieldPeer>(*field);
    if (auto* area = dynamic_cast<TextArea*>(&object))
        return controlPeer<TextAreaPeer>(*area);
    if (auto* popup = dynamic_cast<PopupMenu*>(&object))
        return controlPeer<PopupMenuPeer>(*popup);
    if (auto* slider = dynamic_cast<Slider*>(&object))
        return controlPeer<SliderPeer>(*slider);
    if (auto* group = dynamic_cast<GroupBox*>(&object))
        return controlPeer<GroupBoxPeer>(*group);
    if (auto* line = dynamic_cast<Line*>(&object))
        return controlPeer<LinePeer>(*line);
    if (auto* canvas = dynamic_cast<Canvas*>(&object))
        return controlPeer<CanvasPeer>(*canvas);
    return nullptr;
}
} // namespace

std::unique_ptr<Peer> QtPeerFactory::makePeer(Object& object)
{
    if (auto* window = dynamic_cast<Window*>(&object)) {
        NameApplication();
        return std::make_unique<WindowPeer>(*window);
    }
    if (auto* item = dynamic_cast<MenuItem*>(&object))
        return std::make_unique<MenuPeer>(*item);
    if (auto* timer = dynamic_cast<Timer*>(&object))
        return std::make_unique<TimerPeer>(*timer);
    return controlPeerOf(object);
}

} // namespace fw::qt
