#pragma once

class DeviceRecord;

// Decodes the stored monitoring block into the live values by the record's
// family: powers, PV and AC values, operating times, energy, the nominal grid
// frequency (USA1), then the state code and the four error words.
void decodeMonitorBlock(DeviceRecord &record);

// Family USA1: efficiency from the decoded powers, capped at 96.3; kept as it
// was while either power is 0.
void setEfficiencyFromPowers(DeviceRecord &record);
// Other families: efficiency from the read_efficiency quotient (Pac / Pdc),
// capped at 96.3; 0 when the quotient is not above 0.
void setEfficiencyFromQuotient(DeviceRecord &record, float quotient);
