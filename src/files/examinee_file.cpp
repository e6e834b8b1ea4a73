// The examinee file format: see examinee_file.h.
