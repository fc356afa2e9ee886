// The engine library exists before its first unit; this file goes once it has one.
