#pragma once

namespace tonewright {

// The choices Settings keeps as numbers, by name. The numbers are what the settings store
// holds, so they never change.

// Where targets go (DestOutputFolderOpt).
enum OutputFolderChoice { kTargetsNextToSource = 199, kTargetsInCustomFolder = 399 };

// What happens when a target's name is taken (TargetExistsOpt).
enum TargetExistsRule { kRenameTarget = 11, kOverwriteTarget = 22, kSkipTarget = 33 };

// The sound a mono target takes from a stereo source (MonoType).
enum MonoPick { kMonoMix = 0, kMonoLeft = 1, kMonoRight = 2 };

// The tag a tagged format's targets get (MP3ID3TagType, OGGID3TagType, WMAID3TagType,
// M4AID3TagType): the format's template, the source's own tags, or none; any other stored
// value counts as none.
enum TagMode { kTagFromTemplate = 0, kTagFromSource = 1, kTagNone = 2 };

}  // namespace tonewright
