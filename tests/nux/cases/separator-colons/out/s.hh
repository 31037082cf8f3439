[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"s.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<sUtils>
[hh.declare] interface_name=<Outer::Inner::Account> server_identifier=<acct>
[hh.declare.value] arg_type=<Bank::Money> arg_name=<cash>

[hh.end] header_check=<hTIMEhPIDhN_h>
