"""Brennock resource pack generator: draws, synthesises and writes every file the game reads."""
