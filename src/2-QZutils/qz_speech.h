// qz_speech.h -- the speech engine: a line of text rendered to samples by the speech back end
// (platform/plat_speech.h) and played through the sound engine's speech slot. Until a speech
// back end is installed (only the programs link one), or without a sound device, nothing is
// ready: initspeechsynth answers 0 and speech_speak does nothing and answers 0, so the
// controller's words still go out as text. A missing synthesiser is said once, in "Error.out".
//
//   initspeechsynth()   start the engine; 1 = ready, 0 = not available (start-up keeps it in
//                       msc.speech_avail)
//   speech_speak(text)  speak one line (cut by the caller); 1 = started, 0 = it could not be
//                       spoken (the caller alerts)
//   speech_ready()      whether initspeechsynth succeeded and the engine is still open
//   dispose_speech()    release the engine at finish-up
#pragma once

namespace orv {

int  initspeechsynth();
int  speech_speak(const char* text);
bool speech_ready();
void dispose_speech();

}  // namespace orv
