-- The suite's own cell library (VHDL models), analysed into the library
-- "cells" and named in the conversion's "Include packages" field as
-- cells.all.
library ieee; use ieee.std_logic_1164.all;
entity INV is port (A : in std_logic; Y : out std_logic); end;
architecture a of INV is begin Y <= not A; end;
library ieee; use ieee.std_logic_1164.all;
entity BUF1 is port (A : in std_logic; Y : out std_logic); end;
architecture a of BUF1 is begin Y <= A; end;
library ieee; use ieee.std_logic_1164.all;
entity AND2 is port (A, B : in std_logic; Y : out std_logic); end;
architecture a of AND2 is begin Y <= A and B; end;
library ieee; use ieee.std_logic_1164.all;
entity OR2 is port (A, B : in std_logic; Y : out std_logic); end;
architecture a of OR2 is begin Y <= A or B; end;
library ieee; use ieee.std_logic_1164.all;
entity NAND2 is port (A, B : in std_logic; Y : out std_logic); end;
architecture a of NAND2 is begin Y <= A nand B; end;
library ieee; use ieee.std_logic_1164.all;
entity NOR2 is port (A, B : in std_logic; Y : out std_logic); end;
architecture a of NOR2 is begin Y <= A nor B; end;
library ieee; use ieee.std_logic_1164.all;
entity XOR2 is port (A, B : in std_logic; Y : out std_logic); end;
architecture a of XOR2 is begin Y <= A xor B; end;
library ieee; use ieee.std_logic_1164.all;
entity XNOR2 is port (A, B : in std_logic; Y : out std_logic); end;
architecture a of XNOR2 is begin Y <= A xnor B; end;
library ieee; use ieee.std_logic_1164.all;
entity MUX2 is port (A, B, S : in std_logic; Y : out std_logic); end;
architecture a of MUX2 is begin Y <= B when S = '1' else A; end;
library ieee; use ieee.std_logic_1164.all;
entity DFFP is port (C, D : in std_logic; Q : out std_logic); end;
architecture a of DFFP is begin
  process (C) begin if rising_edge(C) then Q <= D; end if; end process;
end;
library ieee; use ieee.std_logic_1164.all;
entity GND is port (G : out std_logic); end;
architecture a of GND is begin G <= '0'; end;
library ieee; use ieee.std_logic_1164.all;
entity VCC is port (P : out std_logic); end;
architecture a of VCC is begin P <= '1'; end;
