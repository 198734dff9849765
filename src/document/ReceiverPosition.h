// Turning a pen document recorded with the receiver elsewhere than at the top centre.
#pragma once

class ApplSettings;
namespace Nivo {
class Document;
}

/// Rotates and shifts a freshly read pen document by the receiver angle of the settings
/// ("page_properties/page", "angle"), so that the sheet again spans x from -w/2 to w/2 and
/// y from 0 to h. Angle 0 (or any multiple of 360) leaves the document untouched.
void normaliseReceiverPosition(Nivo::Document &document, ApplSettings &settings);
