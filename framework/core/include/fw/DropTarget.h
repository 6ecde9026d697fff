// What a window or a control accepts when the user drops data on it, as the
// program declares it: a file of a type, data of a type, a picture, raw data of
// a type, or text. The kinds are kept in the order declared ("file:<type>",
// "data:<type>", "picture", "raw:<type>", "text"); the user-interface layer reads
// them to decide what a drop may bring.
#pragma once

#include <fw/String.h>

#include <string>
#include <vector>

namespace fw {

class DropTarget {
public:
    void AcceptFileDrop(String* fileType);
    void AcceptMacDataDrop(String* dataType);
    void AcceptPictureDrop();
    void AcceptRawDataDrop(String* dataType);
    void AcceptTextDrop();

    const std::vector<std::string>& acceptedDrops() const noexcept { return acceptedDrops_; }

protected:
    DropTarget() = default;
    ~DropTarget() = default;

private:
    void accept(std::string kind);

    std::vector<std::string> acceptedDrops_;
};

} // namespace fw
