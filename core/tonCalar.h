#pragma once

// Short sine tones through the sound card, played on a worker thread so that the till never
// waits for them. Without a sound device they are silently skipped.
void tonCal(int frekans, int sureMs);
