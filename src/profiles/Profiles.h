#pragma once
// The catalogue's short entry points for code that wants a profile's
// settings without the main window: the headless converter, the engine's
// tests and benchmarks.
//
//   profiles::ProfileFields f = profiles::defaultsFor(100);   // "AVI标准视频(*.avi)"
//   engine::TOutputOptions o = profiles::outputOptionsOf(f);
//
// defaultsFor gives the fields as a job added under that profile gets them:
// Load profile, then Take preset choices with every preset list on its
// default entry. fieldsFor does the same with chosen entries.
// Video_OutPutFileName stays empty; form it with jobs::uniqueOutputPath
// from outputExtensionOf(captionOf(id)).
//
// The tables and operations behind them:
//   Categories.h          categories, their codes, profile captions
//   ProfileId.h           profile code, row profile number, extension rule
//   EncodingSettings.h    the encoding settings of every profile
//   PresetFamilies.h      the entry lists S1..M3
//   ProfilePresets.h      each profile's lists, defaults, preset string
//   PresetTranslation.h   shown text -> field (Take preset choices)
//   ProfileLoader.h       Reset, Load profile, the row texts
//   OutputOptionsBuilder.h the engine options of a job

#include "profiles/OutputOptionsBuilder.h"
#include "profiles/ProfileFields.h"
#include "profiles/ProfileId.h"
#include "profiles/ProfileLoader.h"
#include "profiles/ProfilePresets.h"
#include "profiles/PresetTranslation.h"

namespace profiles {

// The preset lists of a row profile number; throws std::invalid_argument,
// naming the number, when it names no profile.
const ProfilePresets& presetsFor(int rowProfileNumber);

// The texts of the chosen entries; throws std::out_of_range, naming the
// list and its entry count, for an entry number beyond a list.
PresetTexts presetTextsOf(const ProfilePresets& presets, const PresetIndices& chosen);

// Throw std::invalid_argument for an unknown row profile number and
// std::out_of_range for an entry number beyond its list.
ProfileFields defaultsFor(int rowProfileNumber);
ProfileFields fieldsFor(int rowProfileNumber, const PresetIndices& chosen);

}  // namespace profiles
