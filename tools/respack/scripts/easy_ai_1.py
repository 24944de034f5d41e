"""A slow beginner: long walks, rough sense of distance, a few basic kicks, rarely blocks."""
import ailib


class Brain(ailib.Brain):
    STYLE = ailib.style(reaction=0.7, error=0.3, kicks=(9, 10, 16, 28), block=0.10, close=0.6)
