#pragma once

#include "link/CloneEngine.h"
#include "link/CloneSession.h"
#include "link/LinkTexts.h"
#include "link/RadioProbe.h"

namespace rv::jobs {

// The link layer's words the jobs speak in.
using rv::link::Bytes;
using rv::link::CancelledText;
using rv::link::CloneSession;
using rv::link::LinkText;
using rv::link::NoAnswerText;
using rv::link::NoRadioText;
using rv::link::OpenCheck;
using rv::link::OpenErrnoOf;
using rv::link::Outcome;
using rv::link::RadioIdent;
using rv::link::RadioProbe;
using rv::link::ReadRadio;
using rv::link::ReadRadioInfo;
using rv::link::WriteRadio;
using rv::link::WriteRadioInfo;

} // namespace rv::jobs
