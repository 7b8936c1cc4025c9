// The start-up data loaded under the wait window: image folders, the clinic's own record, print points.
#pragma once

namespace MdlStartData {

// Creates the image subfolders staff, map and temp.
bool FuBolImageFolderMake();
// Reads the clinic's own m_clinic row into gClinicInfo.
bool FuBolClinicInfoGet();
// Reads the 192 print points of m_printinfo.
bool FuBolPrintInfoGet();

} // namespace MdlStartData
