/* What the test tuner's settings companion shows and stores (shared by its
   resource script, its code and the wizard's test). */
#pragma once

#define IDD_TEST_SETTINGS 200
#define IDC_TEST_FIELD 300

#ifdef __cplusplus
constexpr char kTestTunerSection[] = "TestTuner";
constexpr char kTestTunerKey[] = "Field";
#endif
