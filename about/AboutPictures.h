// The About window's two pictures, read from the Resources folder on first use
// and kept for the rest of the run. A load that found nothing is tried again on
// the next call.
//
// The Resources folder is the folder named "Resources" in the folder two levels
// above the program's own file: in an application bundle, Contents/Resources
// beside Contents/MacOS; in a build or installed tree, Resources beside bin/.
#pragma once

#include <fw/Picture.h>

fw::Ref<fw::Picture> MakerLogoPicture();
fw::Ref<fw::Picture> ToolchainBadgePicture();

// For tests, which run many programs in one process: both caches as at the start of a run.
void ForgetAboutPictures();
