// Rules that depend on the loaded aircraft's title.
#pragma once

// Cabin announcements are off for the freighter titles: when play_announcements is 1 and the
// lower-cased title `aircraft` contains "757-200f", and again for "757-200sf", play_announcements
// becomes 0 and the cabin switch "ov_cabin_announcements" goes off with it. The configuration
// reader runs it when it reads the file, usually before the title is known, so the server gauge
// runs it once more on the first non-empty title it reads.
void ApplyFreighterTitleRule();

// The server gauge's call: the rule once, on the first non-empty title.
void ApplyFreighterTitleRuleOnFirstTitle();
