#include <fw/DropTarget.h>
#include <fw/Thread.h>

namespace fw {

void DropTarget::accept(std::string kind)
{
    RequireUIThread();
    acceptedDrops_.push_back(std::move(kind));
}

void DropTarget::AcceptFileDrop(String* fileType) { accept("file:" + std::string(Text(fileType))); }
void DropTarget::AcceptMacDataDrop(String* dataType) { accept("data:" + std::string(Text(dataType))); }
void DropTarget::AcceptPictureDrop() { accept("picture"); }
void DropTarget::AcceptRawDataDrop(String* dataType) { accept("raw:" + std::string(Text(dataType))); }
void DropTarget::AcceptTextDrop() { accept("text"); }

} // namespace fw
