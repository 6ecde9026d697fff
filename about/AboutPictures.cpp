#include "about/AboutPictures.h"

#include <fw/Exceptions.h>
#include <fw/FolderItem.h>

namespace {

struct PictureCache {
    bool initialised = false;
    fw::Ref<fw::Picture> picture;
};

fw::Ref<fw::FolderItem> checked(fw::Ref<fw::FolderItem> item)
{
    if (!item)
        fw::RaiseNilObjectException();
    return item;
}

fw::Ref<fw::Picture> load(PictureCache& cache, fw::String* fileName)
{
    if (!cache.initialised) {
        cache.initialised = true;
        cache.picture = nullptr;
    }
    if (!cache.picture) {
        fw::Ref<fw::FolderItem> program = checked(fw::AppFolderItemGetter(0));
        fw::Ref<fw::FolderItem> programFolder = checked(program->parent());
        fw::Ref<fw::FolderItem> top = checked(programFolder->parent());
        fw::Ref<fw::FolderItem> resources = top->Child(fw::Literal<"Resources">());
        if (resources) {
            fw::Ref<fw::FolderItem> file = checked(resources->Child(fileName));
            cache.picture = file->OpenAsPicture();
        }
    }
    return cache.picture;
}

PictureCache makerLogo;
PictureCache toolchainBadge;

} // namespace

fw::Ref<fw::Picture> MakerLogoPicture() { return load(makerLogo, fw::Literal<"Velmora Logo.jpg">()); }

fw::Ref<fw::Picture> ToolchainBadgePicture()
{
    return load(toolchainBadge, fw::Literal<"Made_with_Corvane_Wide_md.jpg">());
}

void ForgetAboutPictures()
{
    makerLogo = {};
    toolchainBadge = {};
}
