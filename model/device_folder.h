// Where the files of one device live under the program folder: its mirror
// folder "data/extSD/" + the bus ID in 8 digits (00000003), and in it the
// "sent" folder that holds the last konfig.txt and USERS.txt written for it.
//
// Callers must guarantee: program_folder ends with "/".
#pragma once

#include <cstdint>
#include <string>

namespace olv {

// "00000003" for bus ID 3.
std::string NazwaFolderuUrzadzenia(int32_t bus_id);
// program_folder (ending with "/") + "data/extSD/" + folder name + "/".
std::string FolderUrzadzenia(const std::string& program_folder, int32_t bus_id);
// FolderUrzadzenia + "sent/".
std::string FolderWyslanychPlikow(const std::string& program_folder, int32_t bus_id);
// Creates the sent folder and any missing folder above it under
// program_folder; true when it exists afterwards.
bool UtworzFolderWyslanychPlikow(const std::string& program_folder, int32_t bus_id);
// Writes content as file_name into the device's sent folder (creating it) and
// returns the path; empty on failure, with the reason in Polish in error.
std::string ZapiszDoFolderuWyslanych(const std::string& program_folder, int32_t bus_id,
                                     const std::string& file_name, const std::string& content,
                                     std::string& error);

}  // namespace olv
